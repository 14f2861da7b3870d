// SPDX-License-Identifier: MIT

#include "app/application.h"
#include "desktop/desktop_platform.h"
#include "layout/ui_setup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HexacleFree"));
    hexacle::layout::startUserInterface();

    hexacle::SystemPlatform system;
    hexacle::LockFileGuard guard;
    hexacle::Application run(system.platform(), guard);
    if (!run.start())
        return run.exitCode();
    return QApplication::exec();
}
