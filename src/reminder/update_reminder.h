// SPDX-License-Identifier: MIT

#pragma once

// Once the date last recorded lies more than 14 days away, offers to look for
// a newer version of the program.

#include <QDate>
#include <QString>

class QLocale;

namespace hexacle {

struct Platform;

// How one run of the reminder ended. Callers need not look; tests do.
enum class ReminderResult {
    FirstRun,     // nothing recorded: today recorded, nothing asked
    Quiet,        // recorded within 14 days of today: nothing asked or written
    Declined,     // asked, answered No, today recorded
    Accepted,     // asked, answered Yes, today recorded, download page opened
    NotADate,     // the record is no date: nothing asked or written
    WriteRefused, // the store refused to record today; nothing opened
    Unavailable,  // the platform lacks the store, the calendar or message boxes
};

// The question's text; lines separated by a lone carriage return.
QString updateQuestion();

// The record as this program writes it: ISO 8601, yyyy-MM-dd.
QString recordedDateText(QDate date);

// Reads a record whose whole text is a date as this program writes it or in
// `locale`'s short date format. A two-digit year is taken in the century
// nearest to `today`. Invalid when the text is anything else.
QDate readRecordedDate(const QString &text, const QLocale &locale, QDate today);

// Start-up runs this before showing the Reading window, and the Querent
// window's load runs it first. Uses the platform's settings store, calendar,
// message boxes and browser; dates are read in the user's short date format
// too (QLocale::system()).
ReminderResult UpdateReminder(const Platform &platform);

} // namespace hexacle
