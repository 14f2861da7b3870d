// SPDX-License-Identifier: MIT

#pragma once

#include "platform/platform.h"

#include <QRandomGenerator>

namespace hexacle {

// The one generator of the process. Reseeding mixes the clock with the
// generator's own state, so two reseeds within one clock tick still differ.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    void reseedFromClock() override;
    double next() override;

private:
    QRandomGenerator generator_;
};

class SystemMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget *parent, const QString &caption, const QString &text, Icon icon) override;
    bool askYesNo(QWidget *parent, const QString &caption, const QString &text) override;
};

class DesktopBrowser final : public Browser {
public:
    void open(const QUrl &address) override;
};

class SystemCalendar final : public Calendar {
public:
    QDate today() const override;
};

class ExecutableFolder final : public ProgramFolder {
public:
    QString path() const override;
};

// $XDG_CONFIG_HOME (or ~/.config)/<app>/<app>.ini, <app> being the
// application name; the registry on Windows.
class UserSettingsLocation final : public SettingsLocation {
public:
    QString iniFile() const override;
};

// Owns the real services and lends them out as a Platform.
class SystemPlatform {
public:
    Platform platform();

private:
    ClockSeededRandom random_;
    SystemMessageBoxes messages_;
    DesktopBrowser browser_;
    SystemCalendar calendar_;
    ExecutableFolder folder_;
    UserSettingsLocation settings_;
};

// Message box texts use "\r" or "\r\n" between lines; Qt wants "\n".
QString toDisplayLines(QString text);

} // namespace hexacle
