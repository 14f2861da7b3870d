// SPDX-License-Identifier: MIT
// The update reminder: when it asks, what it records, that a Yes opens the
// download page only once today is recorded, and that a record it cannot
// read or a store that refuses the write end it quietly.

#include "reminder/update_reminder.h"
#include "settings/settings_store.h"
#include "support/fake_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTest>

using namespace hexacle;
using namespace hexacle::test;

namespace {

const QString kDownload =
    QStringLiteral("http://" HEXACLE_WEB_HOST "/hexacle-free/ssd.php?page=download-web-page");
const QDate kToday(2026, 12, 7);

QString recorded(const FakePlatform &fake) {
    return SettingsStore(fake.settings).ReadSetting(QStringLiteral("Duration"));
}

void record(FakePlatform &fake, const QString &text) {
    QVERIFY(SettingsStore(fake.settings).WriteSetting(QStringLiteral("Duration"), text));
}

QByteArray fileOf(const FakePlatform &fake) {
    QFile file(fake.settings.file);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A browser that notes what the store held when the page was opened.
class CheckingBrowser final : public Browser {
public:
    explicit CheckingBrowser(const SettingsLocation &location) : location_(location) {}
    void open(const QUrl &address) override {
        opened.append(address.toString());
        recordedWhenOpened.append(SettingsStore(location_).ReadSetting(QStringLiteral("Duration")));
    }
    QStringList opened;
    QStringList recordedWhenOpened;

private:
    const SettingsLocation &location_;
};

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    void firstRunRecordsTodayAndAsksNothing() {
        FakePlatform fake;
        QCOMPARE(fake.calendar.today(), kToday);
        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::FirstRun);
        QVERIFY(fake.messages.shown.isEmpty());
        QVERIFY(fake.browser.opened.isEmpty());
        QCOMPARE(recorded(fake), QStringLiteral("2026-12-07"));
    }

    // Whole calendar days, in both directions: up to 14 is quiet, 15 asks.
    void asksOnlyBeyondFourteenDays_data() {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<bool>("asks");
        QTest::newRow("15 days before") << -15 << true;
        QTest::newRow("14 days before") << -14 << false;
        QTest::newRow("yesterday") << -1 << false;
        QTest::newRow("today") << 0 << false;
        QTest::newRow("14 days after") << 14 << false;
        QTest::newRow("15 days after") << 15 << true;
        QTest::newRow("years before") << -800 << true;
        QTest::newRow("years after") << 3000 << true;
    }
    void asksOnlyBeyondFourteenDays() {
        QFETCH(int, daysFromToday);
        QFETCH(bool, asks);
        FakePlatform fake;
        const QString last = kToday.addDays(daysFromToday).toString(Qt::ISODate);
        record(fake, last);
        fake.messages.answers = {false};

        const ReminderResult result = UpdateReminder(fake.platform());

        QCOMPARE(result, asks ? ReminderResult::Declined : ReminderResult::Quiet);
        QCOMPARE(fake.messages.shown.size(), asks ? 1 : 0);
        QCOMPARE(recorded(fake), asks ? QStringLiteral("2026-12-07") : last);
        QVERIFY(fake.browser.opened.isEmpty());
    }

    void theQuestion() {
        FakePlatform fake;
        record(fake, QStringLiteral("2026-01-01"));
        UpdateReminder(fake.platform());
        QCOMPARE(fake.messages.shown.size(), 1);
        const ShownMessage &shown = fake.messages.shown.front();
        QVERIFY(shown.question);
        QCOMPARE(shown.caption, QStringLiteral("Hexacle"));
        QCOMPARE(shown.text, QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?"));
    }

    void yesOpensTheDownloadPageAfterRecording() {
        FakePlatform fake;
        CheckingBrowser browser(fake.settings);
        Platform platform = fake.platform();
        platform.browser = &browser;
        record(fake, QStringLiteral("2026-11-22"));
        fake.messages.answers = {true};

        QCOMPARE(UpdateReminder(platform), ReminderResult::Accepted);
        QCOMPARE(browser.opened, QStringList{kDownload});
        QCOMPARE(browser.recordedWhenOpened, QStringList{QStringLiteral("2026-12-07")});
    }

    // Start-up asked; Start Again later that day loads the Querent window,
    // which runs the reminder again: quiet.
    void asksAtMostOnceADay() {
        FakePlatform fake;
        record(fake, QStringLiteral("2026-10-01"));
        fake.messages.answers = {false, false};
        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::Declined);
        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::Quiet);
        QCOMPARE(fake.messages.shown.size(), 1);
    }

    // Started every day, the program asks every 15 days.
    void everyFifteenDaysForADailyUser() {
        FakePlatform fake;
        fake.calendar.date = kToday;
        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::FirstRun);
        QList<int> askedOn;
        for (int day = 1; day <= 45; ++day) {
            fake.calendar.date = kToday.addDays(day);
            if (UpdateReminder(fake.platform()) == ReminderResult::Declined)
                askedOn << day;
        }
        QCOMPARE(askedOn, QList<int>({15, 30, 45}));
    }

    void recordThatIsNoDateEndsQuietly_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("words") << "someday";
        QTest::newRow("impossible day") << "2026-02-30";
        QTest::newRow("a letter") << "x";
        // Dates with something more: a whole-text date or nothing.
        QTest::newRow("date and junk") << "2026-11-01junk";
        QTest::newRow("dots for dashes") << "2026.11.01";
        QTest::newRow("date and time") << "2026-11-01T10:00";
        QTest::newRow("short date and junk")
            << QLocale::system().toString(QDate(2026, 11, 1), QLocale::ShortFormat) + "x";
    }
    void recordThatIsNoDateEndsQuietly() {
        QFETCH(QString, text);
        FakePlatform fake;
        record(fake, text);
        const QByteArray before = fileOf(fake);
        fake.messages.answers = {true};
        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::NotADate);
        QVERIFY(fake.messages.shown.isEmpty());
        QVERIFY(fake.browser.opened.isEmpty());
        QCOMPARE(fileOf(fake), before);
    }

    // Yes, but today cannot be recorded: the reminder ends there, and the
    // download page stays closed. The file made read-only holds for root
    // too: the store treats a file without write permission as refusing.
    void refusedWriteEndsBeforeThePage() {
        FakePlatform fake;
        record(fake, QStringLiteral("2026-11-01"));
        const QByteArray before = fileOf(fake);
        QVERIFY(QFile::setPermissions(fake.settings.file, QFile::ReadOwner));
        fake.messages.answers = {true};

        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::WriteRefused);
        QCOMPARE(fake.messages.shown.size(), 1);
        QVERIFY(fake.browser.opened.isEmpty());
        QCOMPARE(fileOf(fake), before);
        QCOMPARE(recorded(fake), QStringLiteral("2026-11-01"));
        QFile::setPermissions(fake.settings.file, QFile::ReadOwner | QFile::WriteOwner);
    }

    void firstRunWithAStoreThatRefuses() {
        FakePlatform fake;
        // The store's folder cannot be made: its parent is a file.
        fake.settings.file =
            fake.settings.dir.filePath(QStringLiteral("blocked/x/HexacleFree.ini"));
        QFile blocker(fake.settings.dir.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::WriteRefused);
        QVERIFY(fake.messages.shown.isEmpty());
    }

    // Records in the user's short date format, as another version may have
    // written them, are read as well.
    void readsShortDateRecords() {
        FakePlatform fake;
        const QLocale system = QLocale::system();
        record(fake, system.toString(kToday.addDays(-3), QLocale::ShortFormat));
        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::Quiet);
        record(fake, system.toString(kToday.addDays(-20), QLocale::ShortFormat));
        QCOMPARE(UpdateReminder(fake.platform()), ReminderResult::Declined);
        QCOMPARE(recorded(fake), QStringLiteral("2026-12-07"));
    }

    void readRecordedDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("ISO") << "de_DE"
                             << "2026-11-30" << QDate(2026, 11, 30);
        QTest::newRow("ISO, spaces") << "en_US"
                                     << " 2026-11-30 " << QDate();
        QTest::newRow("ISO and junk") << "en_US"
                                      << "2026-12-20junk" << QDate();
        QTest::newRow("ISO with dots") << "en_US"
                                       << "2026.12.20" << QDate();
        QTest::newRow("ISO with time") << "de_DE"
                                       << "2026-12-20T10:00" << QDate();
        QTest::newRow("ISO, one-digit month") << "en_US"
                                              << "2026-1-05" << QDate();
        QTest::newRow("US short and junk") << "en_US"
                                           << "11/30/26junk" << QDate();
        QTest::newRow("German short, dots for dashes") << "de_DE"
                                                       << "30-11-26" << QDate();
        QTest::newRow("German short with time") << "de_DE"
                                                << "30.11.26 10:00" << QDate();
        QTest::newRow("US short") << "en_US"
                                  << "11/30/26" << QDate(2026, 11, 30);
        QTest::newRow("German short") << "de_DE"
                                      << "30.11.26" << QDate(2026, 11, 30);
        QTest::newRow("British short") << "en_GB"
                                       << "30/11/2026" << QDate(2026, 11, 30);
        QTest::newRow("Japanese short") << "ja_JP"
                                        << "2026/11/30" << QDate(2026, 11, 30);
        QTest::newRow("two digits, last century nearer") << "en_US"
                                                         << "1/5/80" << QDate(1980, 1, 5);
        QTest::newRow("two digits, next century nearer") << "en_US"
                                                         << "1/5/70" << QDate(2070, 1, 5);
        QTest::newRow("another locale's order") << "en_US"
                                                << "30.11.26" << QDate();
        QTest::newRow("day and month swapped") << "en_GB"
                                               << "11/30/2026" << QDate();
        QTest::newRow("empty") << "en_US"
                               << "" << QDate();
    }
    void readRecordedDate() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(hexacle::readRecordedDate(text, QLocale(locale), kToday), date);
    }

    void withoutAStoreNothingHappens() {
        FakePlatform fake;
        Platform platform = fake.platform();
        platform.settings = nullptr;
        QCOMPARE(UpdateReminder(platform), ReminderResult::Unavailable);
        QVERIFY(fake.messages.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_update_reminder.moc"
