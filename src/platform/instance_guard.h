// SPDX-License-Identifier: MIT

#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace hexacle {

// Tells whether another copy of the program already runs for this user.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // Claims the program for this process; false when another copy holds it.
    virtual bool claim() = 0;
};

// A lock file in the user's runtime folder. The lock dies with its process,
// so a copy that crashed or was killed never keeps the next from starting.
class LockFileGuard final : public InstanceGuard {
public:
    // `path` empty: the runtime folder's "HexacleFree.lock".
    explicit LockFileGuard(QString path = {});
    bool claim() override;
    QString path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace hexacle
