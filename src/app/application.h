// SPDX-License-Identifier: MIT

#pragma once

#include "platform/instance_guard.h"
#include "platform/platform.h"
#include "windows/frm_main.h"

#include <QObject>

#include <memory>

namespace hexacle {

class FrmStart;

// One run of the program: the start-up sequence, the windows of the run and
// the one way out, ShutDownApplication.
class Application : public QObject {
    Q_OBJECT
public:
    Application(const Platform &platform, InstanceGuard &guard, QObject *parent = nullptr);
    ~Application() override;

    // The start-up sequence. False when the run has already ended (a second
    // copy); the caller then returns exitCode() without entering the event loop.
    bool start();

    // Closes every open window, running its close handling, then ends the
    // run. Re-entrant calls from those close handlers do nothing.
    void ShutDownApplication();

    bool hasEnded() const { return ended_; }
    int exitCode() const { return 0; }

    // The promotional choice of the run, drawn once at start-up.
    qint16 intCoBrandRandomNumber() const { return intCoBrandRandomNumber_; }

    FrmMain &reading() { return *reading_; }
    FrmStart &querent() { return *querent_; }

signals:
    void ended();

private:
    Platform platform_;
    InstanceGuard &guard_;
    std::unique_ptr<FrmStart> querent_;
    std::unique_ptr<FrmMain> reading_;
    qint16 intCoBrandRandomNumber_ = 0;
    bool shuttingDown_ = false;
    bool ended_ = false;
};

} // namespace hexacle
