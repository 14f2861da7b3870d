// SPDX-License-Identifier: MIT

#include "reminder/update_reminder.h"

#include "platform/platform.h"
#include "program_info.h"
#include "settings/settings_store.h"
#include "web/pages.h"

#include <QLocale>

namespace hexacle {

namespace {

const QString kRecordKey = QStringLiteral("Duration");
constexpr qint64 kQuietDays = 14;

} // namespace

QString updateQuestion() {
    return QStringLiteral("There maybe an update to this software available\r"
                          "Do you want to check for an update?");
}

QString recordedDateText(QDate date) {
    return date.toString(Qt::ISODate);
}

QDate readRecordedDate(const QString &text, const QLocale &locale, QDate today) {
    // Qt's readers pass over trailing text and other separators; a record is
    // a date only when writing that date again gives back the whole text.
    if (const QDate iso = QDate::fromString(text, Qt::ISODate);
        iso.isValid() && recordedDateText(iso) == text)
        return iso;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(text, format);
    if (!date.isValid() || locale.toString(date, format) != text)
        return {};
    if (format.contains(QLatin1String("yyyy")))
        return date;
    // Two-digit years come back in the 1900s.
    while (date.year() < today.year() - 50)
        date = date.addYears(100);
    return date;
}

ReminderResult UpdateReminder(const Platform &platform) {
    if (!platform.settings || !platform.calendar || !platform.messages)
        return ReminderResult::Unavailable;
    SettingsStore store(*platform.settings);
    const QDate today = platform.calendar->today();

    const QString recorded = store.ReadSetting(kRecordKey);
    if (recorded.isEmpty()) {
        return store.WriteSetting(kRecordKey, recordedDateText(today))
                   ? ReminderResult::FirstRun
                   : ReminderResult::WriteRefused;
    }
    const QDate last = readRecordedDate(recorded, QLocale::system(), today);
    if (!last.isValid())
        return ReminderResult::NotADate;
    const qint64 days = today.daysTo(last);
    if (days >= -kQuietDays && days <= kQuietDays)
        return ReminderResult::Quiet;

    const bool yes = platform.messages->askYesNo(nullptr, QString::fromLatin1(texts::kAppTitle),
                                                 updateQuestion());
    // Recorded whatever the answer; the page opens only once that succeeded.
    if (!store.WriteSetting(kRecordKey, recordedDateText(today)))
        return ReminderResult::WriteRefused;
    if (!yes)
        return ReminderResult::Declined;
    PageOpeners(platform.browser).OpenDownloadPage();
    return ReminderResult::Accepted;
}

} // namespace hexacle
