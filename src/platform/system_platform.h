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

class SystemCalendar final : public Calendar {
public:
    QDate today() const override;
};

class ExecutableFolder final : public ProgramFolder {
public:
    QString path() const override;
};

class RunningProgramName final : public ProgramName {
public:
    QString name() const override;
};

// The file name of `executable` without its extension, after resolving links.
QString programNameOf(const QString &executable);

// $XDG_CONFIG_HOME (or ~/.config)/<app>/<app>.ini, <app> being the program's
// name; the registry on Windows.
class UserSettingsLocation final : public SettingsLocation {
public:
    explicit UserSettingsLocation(const ProgramName &program) : program_(program) {}
    QString iniFile() const override;
    QString applicationName() const override { return program_.name(); }

private:
    const ProgramName &program_;
};

} // namespace hexacle
