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

// $XDG_CONFIG_HOME (or ~/.config)/<app>/<app>.ini, <app> being the
// application name; the registry on Windows.
class UserSettingsLocation final : public SettingsLocation {
public:
    QString iniFile() const override;
};

} // namespace hexacle
