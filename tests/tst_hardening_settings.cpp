// SPDX-License-Identifier: MIT
// Bad settings from the outside world at start-up: a settings file of random
// bytes, a recent record amid noise, and a configuration folder that cannot
// be written (the tests run as root; the settings store treats a folder
// without write bits as refusing, as tst_settings explains). Each run goes on.

#include "app/application.h"
#include "layout/form_window.h"
#include "reminder/update_reminder.h"
#include "settings/settings_store.h"
#include "support/fake_platform.h"
#include "support/files.h"
#include "support/run_fixture.h"
#include "support/test_main.h"
#include "support/tossing.h"
#include "windows/frm_main.h"
#include "windows/frm_start.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include <unistd.h>

using namespace hexacle;
using namespace hexacle::test;

class TestHardeningSettings : public RunFixture {
    Q_OBJECT

    void restoreWritable(const QString &path) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private slots:
    void init() { startRun(); }
    void cleanup() {
        restoreWritable(QFileInfo(fake->settings.iniFile()).absolutePath());
        endRun();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Start-up reads the reminder's record from a file of noise: it goes on,
    // and the file changes only by the reminder recording today.
    void settingsFileOfRandomBytes_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("size");
        QTest::newRow("one byte") << 1u << 1;
        QTest::newRow("a line's worth") << 2u << 80;
        QTest::newRow("4 KiB") << 3u << 4096;
        QTest::newRow("1 MiB") << 4u << (1 << 20);
    }
    void settingsFileOfRandomBytes() {
        QFETCH(quint32, seed);
        QFETCH(int, size);
        const QString ini = fake->settings.iniFile();
        const QByteArray noise = randomBytes(seed, size);
        QVERIFY(writeFile(ini, noise));

        // Reading alone never touches the file.
        for (int i = 0; i < 3; ++i)
            SettingsStore(ini).ReadSetting(QStringLiteral("Duration"));
        QCOMPARE(contentsOf(ini), noise);

        // The noise of these seeds holds no record, so start-up is a first run.
        QVERIFY(SettingsStore(ini).ReadSetting(QStringLiteral("Duration")).isEmpty());

        QVERIFY(run->start());
        QVERIFY(reading() && reading()->isVisible());
        QVERIFY(!run->hasEnded());
        // Nothing asked; today recorded over the noise, and it reads back.
        QVERIFY(fake->messages.shown.isEmpty());
        QVERIFY(contentsOf(ini) != noise);
        QCOMPARE(SettingsStore(ini).ReadSetting(QStringLiteral("Duration")),
                 recordedDateText(fake->calendar.date));
        // The reading goes on.
        fake->random.pushLine(8);
        QTest::mouseClick(reading()->control<QPushButton>(QStringLiteral("cmdToss")),
                          Qt::LeftButton);
        QCOMPARE(run->reading().marksArray()[0], LineValue(8));
    }

    // A recent record followed by noise: read, found quiet, and not rewritten.
    void recentRecordAmidNoiseIsNotRewritten() {
        const QString ini = fake->settings.iniFile();
        QVERIFY(SettingsStore(ini).WriteSetting(QStringLiteral("Duration"),
                                                recordedDateText(fake->calendar.date.addDays(-3))));
        QByteArray contents = contentsOf(ini);
        contents += randomBytes(11, 2000).replace('[', '(');
        QVERIFY(writeFile(ini, contents));
        const QDateTime modified = QFileInfo(ini).lastModified();

        QVERIFY(run->start());
        QVERIFY(reading()->isVisible());
        QVERIFY(fake->messages.shown.isEmpty());
        QCOMPARE(contentsOf(ini), contents);
        QCOMPARE(QFileInfo(ini).lastModified(), modified);
    }

    void configurationFolderThatCannotBeWritten() {
        const QString ini = fake->settings.iniFile();
        const QString folder = QFileInfo(ini).absolutePath();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

        // Nothing recorded and nothing can be: start-up goes on without a word.
        QVERIFY(run->start());
        QVERIFY(reading()->isVisible());
        QVERIFY(fake->messages.shown.isEmpty());
        QVERIFY(!QFileInfo::exists(ini));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());

        // The Querent window runs the reminder again, as quietly, and a
        // reading follows.
        QTest::mouseClick(reading()->control<QPushButton>(QStringLiteral("cmdStartAgain")),
                          Qt::LeftButton);
        QVERIFY(querent() && querent()->isVisible());
        QTest::keyClicks(querent()->control<QLineEdit>(QStringLiteral("txtName")), "Ann");
        querent()->control<QPlainTextEdit>(QStringLiteral("txtQuestion"))->setPlainText("Why?");
        QTest::mouseClick(querent()->control<QPushButton>(QStringLiteral("cmdProceed")),
                          Qt::LeftButton);
        QVERIFY(reading() && reading()->isVisible());
        QVERIFY(fake->messages.shown.isEmpty());
        QVERIFY(!QFileInfo::exists(ini));
    }

    // An old record in a folder that refuses the new one: the question comes
    // (it cannot be put off), the answer is taken, and the file stays as it was.
    void oldRecordInAFolderThatCannotBeWritten() {
        const QString ini = fake->settings.iniFile();
        QVERIFY(SettingsStore(ini).WriteSetting(
            QStringLiteral("Duration"), recordedDateText(fake->calendar.date.addDays(-30))));
        const QByteArray before = contentsOf(ini);
        QVERIFY(QFile::setPermissions(QFileInfo(ini).absolutePath(),
                                      QFile::ReadOwner | QFile::ExeOwner));
        fake->messages.answers = {true};
        QVERIFY(run->start());
        QVERIFY(reading()->isVisible());
        QCOMPARE(fake->messages.shown.size(), 1);
        QVERIFY(fake->messages.shown[0].question);
        QCOMPARE(contentsOf(ini), before);
        QVERIFY(fake->browser.opened.isEmpty()); // nothing recorded, nothing opened
    }
};

HEXACLE_TEST_MAIN(TestHardeningSettings)
#include "tst_hardening_settings.moc"
