// SPDX-License-Identifier: MIT

#pragma once

// Files as the tests prepare and inspect them.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace hexacle::test {

// The file's bytes; empty when it is no plain file or cannot be read.
QByteArray contentsOf(const QString &path);

// Writes `bytes` as the whole file, making its folder; false when that fails.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes);

// `size` bytes of noise, the same for the same seed.
QByteArray randomBytes(quint32 seed, int size);

} // namespace hexacle::test
