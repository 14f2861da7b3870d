// SPDX-License-Identifier: MIT

#include "settings/settings_store.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <optional>
#include <utility>

namespace hexacle {

namespace {

// Windows-1252 codes 0x80 to 0x9F; the undefined ones map to the C1 controls
// of the same value.
constexpr std::array<char16_t, 32> kCodes80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr int kQuestionMark = 63;
constexpr int kShift = 85;

int windows1252Code(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return int(ch);
    for (std::size_t i = 0; i < kCodes80To9F.size(); ++i) {
        if (kCodes80To9F[i] == ch)
            return 0x80 + int(i);
    }
    return kQuestionMark;
}

QChar fromWindows1252(int code) {
    if (code >= 0x80 && code < 0xA0)
        return QChar(kCodes80To9F[std::size_t(code - 0x80)]);
    return QChar(code);
}

QString shifted(const QString &text, int by) {
    QString result;
    result.reserve(text.size());
    // By code point, so a character outside the basic plane is one "?".
    for (char32_t ch : QStringView(text).toUcs4()) {
        const int code = windows1252Code(ch) + by;
        if (code >= 0 && code <= 255)
            result += fromWindows1252(code);
    }
    return result;
}

const QString kSection = QStringLiteral("Settings");

// An INI file may hold a hand-made list where a text was expected.
QString asText(const QVariant &value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

// QSettings keeps every INI file it has touched in a process-wide cache, and
// a write the system refused stays pending there: later readers of the same
// file would see the refused value, and try to write it again. So QSettings
// only ever works on a private copy of the file; the real file is read as
// bytes and replaced as a whole, atomically, by a successful write.
class Snapshot {
public:
    explicit Snapshot(const QByteArray &contents)
        : path_(dir_.filePath(QStringLiteral("settings.ini"))) {
        QFile file(path_);
        ok_ = dir_.isValid() && file.open(QIODevice::WriteOnly) &&
              file.write(contents) == contents.size();
    }
    bool ok() const { return ok_; }
    const QString &path() const { return path_; }

    QByteArray contents() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString path_;
    bool ok_ = false;
};

bool hasWritePermission(const QFileInfo &info) {
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

// The file's bytes, or nothing when it cannot be read. A missing file reads
// as empty; anything but a plain file (a folder, a pipe) cannot be read.
std::optional<QByteArray> readWhole(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QByteArray();
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool writeNative(const QString &applicationName, const QString &key, const QString &value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, applicationName,
                       applicationName);
    settings.beginGroup(kSection);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

QString EncodeSetting(const QString &text) {
    return shifted(text, kShift);
}

QString DecodeSetting(const QString &text) {
    return shifted(text, -kShift);
}

SettingsStore::SettingsStore(QString iniFile)
    : iniFile_(std::move(iniFile)), applicationName_(QCoreApplication::applicationName()) {}

SettingsStore::SettingsStore(const SettingsLocation &location)
    : iniFile_(location.iniFile()), applicationName_(location.applicationName()) {}

QString SettingsStore::ReadSetting(const QString &key) const {
    const QString storedKey = EncodeSetting(key);
    if (iniFile_.isEmpty()) {
        const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, applicationName_,
                                 applicationName_);
        return DecodeSetting(asText(settings.value(kSection + QLatin1Char('/') + storedKey)));
    }
    const std::optional<QByteArray> contents = readWhole(iniFile_);
    if (!contents || contents->isEmpty())
        return {};
    const Snapshot snapshot(*contents);
    if (!snapshot.ok())
        return {};
    const QSettings settings(snapshot.path(), QSettings::IniFormat);
    return DecodeSetting(asText(settings.value(kSection + QLatin1Char('/') + storedKey)));
}

bool SettingsStore::WriteSetting(const QString &key, const QString &value) {
    const QString storedKey = EncodeSetting(key);
    const QString storedValue = EncodeSetting(value);
    if (iniFile_.isEmpty())
        return writeNative(applicationName_, storedKey, storedValue);

    const QFileInfo target(iniFile_);
    if (target.exists() && !hasWritePermission(target))
        return false;
    // What the file holds besides our entry is kept; a file that cannot be
    // read would lose it, so it is not replaced.
    const std::optional<QByteArray> contents = readWhole(iniFile_);
    if (!contents)
        return false;
    const QFileInfo folder(target.absolutePath());
    if (folder.exists() ? !(folder.isDir() && hasWritePermission(folder))
                        : !QDir().mkpath(folder.filePath()))
        return false;

    const Snapshot snapshot(*contents);
    if (!snapshot.ok())
        return false;
    {
        QSettings settings(snapshot.path(), QSettings::IniFormat);
        settings.beginGroup(kSection);
        settings.setValue(storedKey, storedValue);
        settings.endGroup();
        settings.sync();
        // A parse error in the old contents does not stop the rewrite.
        if (settings.status() == QSettings::AccessError)
            return false;
    }
    const QByteArray updated = snapshot.contents();
    QSaveFile file(iniFile_);
    return file.open(QIODevice::WriteOnly) && file.write(updated) == updated.size() &&
           file.commit();
}

} // namespace hexacle
