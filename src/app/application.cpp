// SPDX-License-Identifier: MIT

#include "app/application.h"

#include "program_info.h"
#include "reminder/update_reminder.h"
#include "windows/cobrand.h"
#include "windows/frm_start.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>

namespace hexacle {

Application::Application(const Platform &platform, InstanceGuard &guard, QObject *parent)
    : QObject(parent), platform_(platform), guard_(guard),
      querent_(std::make_unique<FrmStart>(platform)),
      reading_(std::make_unique<FrmMain>(platform)) {
    // Windows come and go through Start Again; only ShutDownApplication ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    reading_->setQuerentSource(querent_.get());
    connect(reading_.get(), &FrmMain::querentWanted, this, [this] { querent_->Show(); });
    connect(reading_.get(), &FrmMain::exitPath, this, &Application::ShutDownApplication);
    connect(querent_.get(), &FrmStart::readingWanted, this, [this] { reading_->Show(); });
    connect(querent_.get(), &FrmStart::exitPath, this, &Application::ShutDownApplication);
}

Application::~Application() = default;

bool Application::start() {
    if (!guard_.claim()) {
        platform_.messages->inform(nullptr, QLatin1String(texts::kAppTitle),
                                   QStringLiteral("Application is already running"),
                                   MessageBoxes::Icon::Information);
        ShutDownApplication();
        return false;
    }
    platform_.random->reseedFromClock();
    UpdateReminder(platform_);
    reading_->Show();
    intCoBrandRandomNumber_ = CoBrand_Randomize(*reading_, *platform_.random);
    return !ended_;
}

void Application::ShutDownApplication() {
    if (shuttingDown_)
        return;
    shuttingDown_ = true;
    // Every window of the run, shown or hidden, hears its close. Closing one
    // may delete others, so each is guarded before the first is closed.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow *>(window) || qobject_cast<QDialog *>(window))
            windows.append(window);
    }
    for (const QPointer<QWidget> &window : windows) {
        if (window)
            window->close();
    }
    ended_ = true;
    emit ended();
    // Leaves the event loop and any modal loop inside it; before the loop
    // runs, start() reports the end instead.
    QCoreApplication::exit(exitCode());
}

} // namespace hexacle
