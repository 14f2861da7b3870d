// SPDX-License-Identifier: MIT
// A whole run with every outside service replaced: the start-up order, a
// second copy, readings one after another through the Querent window, and
// every way out ending the run once.

#include "app/application.h"
#include "layout/form_window.h"
#include "reminder/update_reminder.h"
#include "settings/settings_store.h"
#include "support/fake_platform.h"
#include "support/run_fixture.h"
#include "support/test_main.h"
#include "support/tossing.h"
#include "windows/frm_start.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace hexacle;
using namespace hexacle::test;

namespace {

const QString kOnlyCharacters = QStringLiteral("Please Enter Only Characters");

} // namespace

class TestApplication : public RunFixture {
    Q_OBJECT

    void record(const QDate &date) {
        SettingsStore store(fake->settings.iniFile());
        QVERIFY(store.WriteSetting("Duration", recordedDateText(date)));
    }
    void startAndGoToQuerent() {
        QVERIFY(run->start());
        QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QVERIFY(querent() && querent()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(querent()));
    }
    bool anyWindowVisible() const {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && (qobject_cast<QMainWindow *>(w) || qobject_cast<QDialog *>(w)))
                return true;
        return false;
    }

private slots:
    void init() { startRun(); }
    void cleanup() { endRun(); }

    void startUpInOrder() {
        record(fake->calendar.date.addDays(-20)); // the reminder will ask
        fake->random.push({0.4});                 // the co-brand draw: 1 + int(2.4) = 3, odd
        bool windowShownDuringQuestion = true;
        int reseedsAtQuestion = -1;
        fake->messages.onShown = [&](const ShownMessage &) {
            windowShownDuringQuestion = run->reading().isOpen();
            reseedsAtQuestion = fake->random.reseeds;
        };
        QVERIFY(run->start());
        QCOMPARE(guard.claims, 1);
        // The generator was seeded before the reminder asked, and the
        // question came before any window.
        QCOMPARE(reseedsAtQuestion, 1);
        QVERIFY(!windowShownDuringQuestion);
        QCOMPARE(fake->messages.shown.size(), 1);
        QVERIFY(fake->messages.shown[0].question);
        // The Reading window first, not the Querent window.
        QVERIFY(reading() && reading()->isVisible());
        QVERIFY(!run->querent().isOpen());
        QCOMPARE(reading()->control<QPlainTextEdit>("txtUserInfo")->toPlainText(),
                 QStringLiteral("Name: \n\nQuestion: "));
        // The draw came from the generator after the window was up: odd shows co-branding.
        QCOMPARE(run->intCoBrandRandomNumber(), qint16(3));
        QVERIFY(fake->random.script.empty());
        auto *cobrand = reading()->control<QWidget>("lblCobrand");
        auto *fullBrand = reading()->control<QWidget>("lblFullBrand");
        const QObjectList order = cobrand->parentWidget()->children();
        QVERIFY(order.indexOf(cobrand) > order.indexOf(fullBrand)); // in front
        QVERIFY(!run->hasEnded());
    }

    void secondCopyIsRefused() {
        guard.free = false;
        QSignalSpy ended(run.get(), &Application::ended);
        QVERIFY(!run->start());
        QCOMPARE(fake->messages.shown.size(), 1);
        const ShownMessage message = fake->messages.shown[0];
        QCOMPARE(message.text, QStringLiteral("Application is already running"));
        QCOMPARE(message.caption, QStringLiteral("Hexacle"));
        QCOMPARE(message.icon, MessageBoxes::Icon::Information);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(run->exitCode(), 0);
        // No reminder, no window.
        QVERIFY(!QFile::exists(fake->settings.iniFile()));
        QVERIFY(!run->reading().isOpen());
        QVERIFY(!anyWindowVisible());
    }

    void readingsOneAfterAnother() {
        QVERIFY(run->start());
        tossLines(reading(), fake->random, {7, 9, 6});
        QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QVERIFY(querent()->isVisible());
        QVERIFY(!run->reading().isOpen());
        QVERIFY(QTest::qWaitForWindowActive(querent()));
        QVERIFY(nameBox()->hasFocus());

        QTest::keyClicks(nameBox(), "  Ann ");
        questionBox()->setFocus();
        QTest::keyClicks(questionBox(), " Will it  rain? ");
        QTest::mouseClick(querent()->control<QPushButton>("cmdProceed"), Qt::LeftButton);
        QVERIFY(!run->querent().isOpen()); // the button closes it
        QVERIFY(!run->hasEnded());
        QVERIFY(reading()->isVisible());
        QCOMPARE(run->querent().userName(), QStringLiteral("Ann"));
        QCOMPARE(run->querent().userQuestion(), QStringLiteral("Will it  rain?"));
        QCOMPARE(reading()->control<QPlainTextEdit>("txtUserInfo")->toPlainText(),
                 QStringLiteral("Name: Ann\n\nQuestion: Will it  rain?"));
        // A fresh reading: empty figures, the first toss fills slot 0 again.
        QVERIFY(reading()->control<QLabel>("Label6")->text().isEmpty());
        fake->random.pushLine(8);
        QTest::mouseClick(reading()->control<QPushButton>("cmdToss"), Qt::LeftButton);
        QCOMPARE(run->reading().marksArray()[0], LineValue(8));
        QVERIFY(run->reading().marksArray()[1] == 0);
        // The co-brand draw is not repeated: the reopened window shows the full-brand offer.
        auto *fullBrand = reading()->control<QWidget>("lblFullBrand");
        const QObjectList order = fullBrand->parentWidget()->children();
        QVERIFY(order.indexOf(fullBrand) >
                order.indexOf(reading()->control<QWidget>("lblCobrand")));
    }

    void emptinessInOrder() {
        startAndGoToQuerent();
        auto *next = querent()->control<QPushButton>("cmdProceed");
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(messageTexts(), QStringList{"Please Enter Your Name"});
        QCOMPARE(fake->messages.shown.last().icon, MessageBoxes::Icon::Information);
        QVERIFY(nameBox()->hasFocus());

        QTest::keyClicks(nameBox(), "Ann");
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(messageTexts().last(), QStringLiteral("Please Enter Your Question"));
        QVERIFY(questionBox()->hasFocus());
        QVERIFY(querent()->isVisible());
        QVERIFY(!run->reading().isOpen());

        // Spaces pass the emptiness test and are stored as nothing.
        nameBox()->setText("   ");
        questionBox()->setPlainText("  ");
        QTest::mouseClick(next, Qt::LeftButton);
        QVERIFY(reading()->isVisible());
        QCOMPARE(reading()->control<QPlainTextEdit>("txtUserInfo")->toPlainText(),
                 QStringLiteral("Name: \n\nQuestion: "));
    }

    void nameFilterRefusesKeys() {
        startAndGoToQuerent();
        QTest::keyClicks(nameBox(), "Ann Lee");
        QCOMPARE(nameBox()->text(), QStringLiteral("Ann Lee"));
        QVERIFY(fake->messages.shown.isEmpty());
        int refusals = 0;
        for (const auto &[key, text] : std::initializer_list<std::pair<Qt::Key, QString>>{
                 {Qt::Key_7, "7"}, {Qt::Key_Period, "."}, {Qt::Key_Eacute, QString(QChar(0xE9))}}) {
            QTest::keyClick(nameBox(), key, Qt::NoModifier);
            Q_UNUSED(text);
            QCOMPARE(fake->messages.shown.size(), ++refusals);
        }
        QTest::keyClick(nameBox(), Qt::Key_Return);
        QCOMPARE(fake->messages.shown.size(), ++refusals);
        QTest::keyClick(nameBox(), Qt::Key_V, Qt::ControlModifier); // paste refused too
        QCOMPARE(fake->messages.shown.size(), ++refusals);
        for (const ShownMessage &m : fake->messages.shown) {
            QCOMPARE(m.text, kOnlyCharacters);
            QCOMPARE(m.icon, MessageBoxes::Icon::None);
            QCOMPARE(m.caption, QStringLiteral("Hexacle"));
        }
        QCOMPARE(nameBox()->text(), QStringLiteral("Ann Lee"));
        QVERIFY(nameBox()->hasFocus());
        // Editing keys still work.
        QTest::keyClick(nameBox(), Qt::Key_Backspace);
        QTest::keyClick(nameBox(), Qt::Key_Left);
        QTest::keyClick(nameBox(), Qt::Key_Delete);
        QCOMPARE(nameBox()->text(), QStringLiteral("Ann L"));
        QCOMPARE(fake->messages.shown.size(), refusals);
    }

    void nextByMenuHidesAndKeeps() {
        startAndGoToQuerent();
        QTest::keyClicks(nameBox(), "Ann");
        questionBox()->setPlainText("Line one\nLine two");
        QPointer<FormWindow> kept = querent();
        kept->menuAction("mnuNext")->trigger();
        QVERIFY(kept && !kept->isVisible());
        QVERIFY(reading()->isVisible());
        QCOMPARE(reading()->control<QPlainTextEdit>("txtUserInfo")->toPlainText(),
                 QStringLiteral("Name: Ann\n\nQuestion: Line one\nLine two"));

        // The next Start Again shows the same window, texts kept, no opening steps.
        record(fake->calendar.date.addDays(-30)); // would ask if the reminder ran
        QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QCOMPARE(querent(), kept.data());
        QVERIFY(kept->isVisible());
        QCOMPARE(nameBox()->text(), QStringLiteral("Ann"));
        QVERIFY(fake->messages.shown.isEmpty());

        // By the button it closes; the next Start Again opens it afresh and runs the reminder.
        QTest::mouseClick(querent()->control<QPushButton>("cmdProceed"), Qt::LeftButton);
        QVERIFY(!run->querent().isOpen());
        QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QVERIFY(querent() != kept.data());
        QVERIFY(nameBox()->text().isEmpty());
        QCOMPARE(fake->messages.shown.size(), 1);
        QVERIFY(fake->messages.shown[0].question);
    }

    void userTextIsPlainAndMayBeLarge() {
        startAndGoToQuerent();
        QTest::keyClicks(nameBox(), "b");
        const QString question = QStringLiteral("<b>x</b> ") + QString(1 << 20, QLatin1Char('q'));
        questionBox()->setPlainText(question);
        QTest::mouseClick(querent()->control<QPushButton>("cmdProceed"), Qt::LeftButton);
        auto *info = reading()->control<QPlainTextEdit>("txtUserInfo");
        QCOMPARE(info->toPlainText(), QStringLiteral("Name: b\n\nQuestion: ") + question);
    }

    void missingPicturesEndTheRun() {
        QVERIFY(run->start());
        QVERIFY(QDir(fake->folder.path() + "/pics").removeRecursively());
        // A reading can still be cast; the coins keep their picture.
        fake->random.pushLine(9);
        QTest::mouseClick(reading()->control<QPushButton>("cmdToss"), Qt::LeftButton);
        QCOMPARE(run->reading().marksArray()[0], LineValue(9));

        QSignalSpy ended(run.get(), &Application::ended);
        QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(fake->messages.shown.size(), 1);
        QCOMPARE(fake->messages.shown[0].caption, QStringLiteral("Hexacle Free"));
        QCOMPARE(fake->messages.shown[0].text,
                 QStringLiteral("Files Needed To Run Hexacle Free Are Missing\r"
                                "Please Reinstall Software."));
        QVERIFY(!anyWindowVisible());
        QVERIFY(!run->reading().isOpen());
        QVERIFY(!run->querent().isOpen());
    }

    void everyWayOutEndsOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("reading close box") << "reading close";
        QTest::newRow("reading File Exit") << "reading mnuExit";
        QTest::newRow("reading Exit button") << "reading cmdExit_1";
        QTest::newRow("querent close box") << "querent close";
        QTest::newRow("querent Exit button") << "querent cmdExit";
        QTest::newRow("querent File Exit") << "querent mnuExit";
        QTest::newRow("reading, querent hidden") << "hidden";
        QTest::newRow("shutdown called") << "shutdown";
    }
    void everyWayOutEndsOnce() {
        QFETCH(QString, how);
        QSignalSpy ended(run.get(), &Application::ended);
        QVERIFY(run->start());
        if (how.startsWith("querent")) {
            QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
            QVERIFY(querent()->isVisible());
        }
        if (how == "hidden") {
            QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
            QTest::keyClicks(nameBox(), "Ann");
            questionBox()->setPlainText("Why?");
            querent()->menuAction("mnuNext")->trigger();
            QVERIFY(run->querent().isOpen() && !querent()->isVisible());
        }
        if (how == "reading close" || how == "hidden")
            reading()->close();
        else if (how == "reading mnuExit")
            reading()->menuAction("mnuExit")->trigger();
        else if (how == "reading cmdExit_1") {
            for (int i = 0; i < 6; ++i)
                QTest::mouseClick(reading()->control<QPushButton>("cmdToss"), Qt::LeftButton);
            QTest::mouseClick(reading()->control<QPushButton>("cmdExit_1"), Qt::LeftButton);
        } else if (how == "querent close")
            querent()->close();
        else if (how == "querent cmdExit")
            QTest::mouseClick(querent()->control<QPushButton>("cmdExit"), Qt::LeftButton);
        else if (how == "querent mnuExit")
            querent()->menuAction("mnuExit")->trigger();
        else
            run->ShutDownApplication();
        QCOMPARE(ended.count(), 1);
        QVERIFY(run->hasEnded());
        QVERIFY(!anyWindowVisible());
        QVERIFY(!run->reading().isOpen());
        QVERIFY(!run->querent().isOpen());
        run->ShutDownApplication(); // once only
        QCOMPARE(ended.count(), 1);
    }
};

HEXACLE_TEST_MAIN(TestApplication)
#include "tst_application.moc"
