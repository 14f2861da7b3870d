// SPDX-License-Identifier: MIT

#include "platform/instance_guard.h"

#include <QDir>
#include <QStandardPaths>

namespace hexacle {

static QString defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder + QLatin1String("/HexacleFree.lock");
}

LockFileGuard::LockFileGuard(QString path)
    : path_(path.isEmpty() ? defaultLockPath() : std::move(path)) {}

bool LockFileGuard::claim() {
    if (lock_)
        return true;
    auto lock = std::make_unique<QLockFile>(path_);
    // Only a dead owner makes a lock stale, never its age: a copy may run for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    lock_ = std::move(lock);
    return true;
}

} // namespace hexacle
