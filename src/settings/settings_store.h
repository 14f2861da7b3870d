// SPDX-License-Identifier: MIT

#pragma once

// The per-user settings store: text entries under the application's name and
// the section "Settings", keys and values passed through a character shift so
// that neither reads plainly in the file.

#include <QString>

namespace hexacle {

class SettingsLocation;

// Each character is taken at its code in the Windows-1252 single-byte set
// (one it cannot represent counts as "?"), shifted up by 85, and dropped when
// that passes 255. The five codes the set leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for U+0081 and so on, so every code 0 to 255 survives.
QString EncodeSetting(const QString &text);
// The inverse: shifted down by 85; codes below 85 are dropped.
QString DecodeSetting(const QString &text);

class SettingsStore {
public:
    // An INI file; the empty text means the platform's native per-user store,
    // filed under the application's name.
    explicit SettingsStore(QString iniFile);
    explicit SettingsStore(const SettingsLocation &location);

    // The plain value under the plain key; the empty text when there is none
    // or the store cannot be read. Never writes anything.
    QString ReadSetting(const QString &key) const;

    // False when the store refuses the write; it then holds what it held.
    // A file or folder without any write permission counts as refusing, even
    // for a user (root) whom the system would let through.
    [[nodiscard]] bool WriteSetting(const QString &key, const QString &value);

private:
    QString iniFile_;
    QString applicationName_;
};

} // namespace hexacle
