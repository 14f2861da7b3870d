// SPDX-License-Identifier: MIT

#include "platform/system_platform.h"

#include "forms/colour_scheme.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <chrono>
#include <random>

namespace hexacle {

ClockSeededRandom::ClockSeededRandom() {
    reseedFromClock();
}

void ClockSeededRandom::reseedFromClock() {
    const auto ticks =
        static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{quint32(ticks), quint32(ticks >> 32), generator_.generate(),
                       generator_.generate()};
    generator_.seed(seed);
}

double ClockSeededRandom::next() {
    return generator_.generateDouble();
}

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

QDate SystemCalendar::today() const {
    return QDate::currentDate();
}

QString ExecutableFolder::path() const {
    return QCoreApplication::applicationDirPath();
}

QString programNameOf(const QString &executable) {
    const QFileInfo info(executable);
    const QString resolved = info.canonicalFilePath();
    return QFileInfo(resolved.isEmpty() ? executable : resolved).completeBaseName();
}

QString RunningProgramName::name() const {
    return programNameOf(QCoreApplication::applicationFilePath());
}

QString UserSettingsLocation::iniFile() const {
#ifdef Q_OS_WIN
    return {};
#else
    const QString app = applicationName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + app + QLatin1Char('/') + app + QLatin1String(".ini");
#endif
}

Platform SystemPlatform::platform() {
    return Platform{&random_, &messages_, &browser_, &calendar_, &folder_, &settings_};
}

} // namespace hexacle
