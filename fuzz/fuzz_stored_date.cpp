// SPDX-License-Identifier: MIT
// Reading the date the update reminder stored. The first four bytes of an
// input pick a date; the rest is taken as the whole settings file.
//  - Any file: reading the record never fails hard; a record that is an ISO
//    date as this program writes it is read as that date in every locale, and
//    a record read as a date is, whole, that date as this program or the
//    locale's short format writes it.
//  - The picked date, stored as this program stores it and read back through
//    the store, is the same date; and written in a locale's short format, as
//    older versions wrote it, it reads back as the same date in that locale
//    (with a two-digit year when it lies within 49 years of today).

#include "fuzz_check.h"
#include "reminder/update_reminder.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

using namespace hexacle;

namespace {

const QDate kToday(2026, 12, 7);

struct Fixture {
    int argc = 1;
    char name[12] = "HexacleFree";
    char *argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("HexacleFree.ini"));
    // Short formats with two- and four-digit years, other digits and
    // separators, and right-to-left marks.
    std::vector<QLocale> locales{QLocale::c(),
                                 QLocale(QStringLiteral("en_US")),
                                 QLocale(QStringLiteral("de_DE")),
                                 QLocale(QStringLiteral("ja_JP")),
                                 QLocale(QStringLiteral("ko_KR")),
                                 QLocale(QStringLiteral("ar_EG")),
                                 QLocale(QStringLiteral("fa_IR"))};
};

Fixture *fixture = nullptr;

bool writeFile(const QString &path, const char *data, qsizetype size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data, size) == size;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    fixture = new Fixture;
    FUZZ_CHECK(fixture->dir.isValid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 4)
        return 0;
    std::uint32_t pick = 0;
    std::memcpy(&pick, data, 4);
    // Years 1000 to 9999, where every format here writes all the digits.
    const qint64 first = QDate(1000, 1, 1).toJulianDay();
    const qint64 span = QDate(9999, 12, 31).toJulianDay() - first + 1;
    const QDate date = QDate::fromJulianDay(first + qint64(pick % std::uint32_t(span)));
    const auto *file = reinterpret_cast<const char *>(data + 4);
    const auto fileSize = qsizetype(size - 4);

    FUZZ_CHECK(writeFile(fixture->file, file, fileSize));
    SettingsStore store(fixture->file);
    const QString recorded = store.ReadSetting(QStringLiteral("Duration"));
    const QDate iso = QDate::fromString(recorded, Qt::ISODate);
    const bool written = iso.isValid() && recordedDateText(iso) == recorded;
    for (const QLocale &locale : fixture->locales) {
        const QDate read = readRecordedDate(recorded, locale, kToday);
        if (written)
            FUZZ_CHECK(read == iso);
        if (read.isValid())
            FUZZ_CHECK(written || locale.toString(read, QLocale::ShortFormat) == recorded);
        if (recorded.trimmed().isEmpty())
            FUZZ_CHECK(!read.isValid());
    }

    // What the reminder writes, in whatever file was there before.
    if (store.WriteSetting(QStringLiteral("Duration"), recordedDateText(date))) {
        const QString back = SettingsStore(fixture->file).ReadSetting(QStringLiteral("Duration"));
        FUZZ_CHECK(readRecordedDate(back, QLocale::c(), kToday) == date);
    }

    for (const QLocale &locale : fixture->locales) {
        FUZZ_CHECK(readRecordedDate(recordedDateText(date), locale, kToday) == date);
        const QString format = locale.dateFormat(QLocale::ShortFormat);
        const bool fullYear = format.contains(QLatin1String("yyyy"));
        if (fullYear || qAbs(date.year() - kToday.year()) <= 49)
            FUZZ_CHECK(readRecordedDate(locale.toString(date, QLocale::ShortFormat), locale,
                                        kToday) == date);
    }
    return 0;
}
