// SPDX-License-Identifier: MIT

#pragma once

// The services of the outside world that need the desktop: modal message
// boxes and the default browser; and SystemPlatform, which owns every real
// service of a run and lends them out as a Platform.

#include "platform/instance_guard.h"
#include "platform/platform.h"
#include "platform/system_platform.h"

namespace hexacle {

class SystemMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget *parent, const QString &caption, const QString &text, Icon icon) override;
    bool askYesNo(QWidget *parent, const QString &caption, const QString &text) override;
};

class DesktopBrowser final : public Browser {
public:
    void open(const QUrl &address) override;
};

// Owns the real services and lends them out as a Platform.
class SystemPlatform {
public:
    SystemPlatform() = default;
    SystemPlatform(const SystemPlatform &) = delete;
    SystemPlatform &operator=(const SystemPlatform &) = delete;
    Platform platform();

private:
    ClockSeededRandom random_;
    SystemMessageBoxes messages_;
    DesktopBrowser browser_;
    SystemCalendar calendar_;
    ExecutableFolder folder_;
    RunningProgramName program_;
    UserSettingsLocation settings_{program_};
};

// Message box texts use "\r" or "\r\n" between lines; Qt wants "\n".
QString toDisplayLines(QString text);

} // namespace hexacle
