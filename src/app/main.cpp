#include "forms/frm_main.h"
#include "platform/system_platform.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HexacleFree"));

    hexacle::SystemPlatform system;
    hexacle::FrmMain reading(system.platform());
    reading.Show();
    return QApplication::exec();
}
