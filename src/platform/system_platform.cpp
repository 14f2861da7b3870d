// SPDX-License-Identifier: MIT

#include "platform/system_platform.h"

#include <QCoreApplication>
#include <QFileInfo>
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

} // namespace hexacle
