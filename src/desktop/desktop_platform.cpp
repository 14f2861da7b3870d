// SPDX-License-Identifier: MIT

#include "desktop/desktop_platform.h"

#include "layout/colour_scheme.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace hexacle {

QString toDisplayLines(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void SystemMessageBoxes::inform(QWidget *parent, const QString &caption, const QString &text,
                                Icon icon) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    caption, toDisplayLines(text), QMessageBox::Ok, parent);
    // In the windows' colours, not the desktop's.
    box.setPalette(layout::lightScheme());
    box.exec();
}

bool SystemMessageBoxes::askYesNo(QWidget *parent, const QString &caption, const QString &text) {
    QMessageBox box(QMessageBox::Information, caption, toDisplayLines(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setPalette(layout::lightScheme());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void DesktopBrowser::open(const QUrl &address) {
    QDesktopServices::openUrl(address);
}

Platform SystemPlatform::platform() {
    return Platform{&random_, &messages_, &browser_, &calendar_, &folder_, &settings_};
}

} // namespace hexacle
