// SPDX-License-Identifier: MIT
// The Reading window driven as a user drives it: real clicks and key presses
// with scripted coins and a program folder of the test's choosing.

#include "layout/form_window.h"
#include "support/fake_platform.h"
#include "support/test_main.h"
#include "texts/hexagram_catalogue.h"
#include "windows/frm_main.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace hexacle;
using namespace hexacle::test;

namespace {

const QString kSolid = QStringLiteral("----------------");
const QString kBroken = QStringLiteral("------    ------");
const QString kOldYin = QStringLiteral("------ x ------");
const QString kOldYang = QStringLiteral("------ o ------");

QString crlfToLf(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

    FakePlatform fake;
    std::unique_ptr<FrmMain> form;

    FormWindow *window() const { return form->window(); }
    QLabel *label(int n) const {
        return window()->control<QLabel>(QStringLiteral("Label%1").arg(n));
    }
    QPushButton *tossButton() const { return window()->control<QPushButton>("cmdToss"); }
    QString text(const char *box) const {
        return window()->control<QPlainTextEdit>(box)->toPlainText();
    }
    QImage coinImage(int index) const {
        return window()
            ->control<QLabel>(QStringLiteral("picCoin_%1").arg(index))
            ->pixmap()
            .toImage();
    }
    void toss(int value) {
        fake.random.pushLine(value);
        QTest::mouseClick(tossButton(), Qt::LeftButton);
    }

private slots:
    void init() {
        fake.random.script.clear();
        form = std::make_unique<FrmMain>(fake.platform());
        form->Show();
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }
    void cleanup() { form.reset(); }

    void opensShortWithEmptyQuerent() {
        QCOMPARE(text("txtUserInfo"), QStringLiteral("Name: \n\nQuestion: "));
        QCOMPARE(window()->frameGeometry().topLeft(), QPoint(67, 67)); // 1000 twips
        QCOMPARE(window()->frameGeometry().width(), 693);              // 10400 twips
        QCOMPARE(window()->windowTitle(), QStringLiteral("Hexacle v" HEXACLE_PROJECT_VERSION));
        // The upper band whole, nothing of the lower band.
        QWidget *client = window()->client();
        QVERIFY(client->height() >=
                window()->control<QWidget>("fraHexagram1")->geometry().bottom());
        QVERIFY(client->height() <= window()->control<QWidget>("Label13")->y());
        for (int n = 1; n <= 12; ++n)
            QVERIFY(label(n)->text().isEmpty());
        QVERIFY(tossButton()->isEnabled());
        QVERIFY(tossButton()->hasFocus());
    }

    void coinCombinations_data() {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("value");
        QTest::newRow("three tails") << QList<double>{0.1, 0.2, 0.5} << 6;
        QTest::newRow("one heads") << QList<double>{0.7, 0.0, 0.3} << 7;
        QTest::newRow("two heads") << QList<double>{0.5, 0.99, 0.51} << 8;
        QTest::newRow("three heads") << QList<double>{0.6, 0.8, 0.9999} << 9;
    }
    void coinCombinations() {
        QFETCH(QList<double>, draws);
        QFETCH(int, value);
        for (double r : draws)
            fake.random.push({r});
        const int reseeds = fake.random.reseeds;
        QTest::mouseClick(tossButton(), Qt::LeftButton);
        QCOMPARE(form->marksArray()[0], LineValue(value));
        QCOMPARE(form->tossCount(), qint16(1));
        QCOMPARE(form->lineTotal(), qint16(0));
        QCOMPARE(fake.random.reseeds, reseeds + 1);
        // Each coin shows the face it fell on.
        const QImage heads(fake.folder.picture("heads.gif"));
        const QImage tails(fake.folder.picture("tails.gif"));
        for (int k = 0; k < 3; ++k) {
            const QImage shown = coinImage(k).convertToFormat(heads.format());
            QCOMPARE(shown, draws[k] > 0.5 ? heads : tails);
        }
    }

    void wholeReadingGlyphByGlyph() {
        // Lines 1 to 6: 9, 7, 6, 8, 8, 9.
        const QList<int> lines{9, 7, 6, 8, 8, 9};
        const QStringList primary{kOldYang, kSolid, kOldYin, kBroken, kBroken, kOldYang};
        const QStringList second{kBroken, kSolid, kSolid, kBroken, kBroken, kBroken};
        const QStringList reports{"Line 1 Changed\n",
                                  "Line 1 Changed\n",
                                  "Line 1 Changed\nLine 3 Changed\n",
                                  "Line 1 Changed\nLine 3 Changed\n",
                                  "Line 1 Changed\nLine 3 Changed\n",
                                  "Line 1 Changed\nLine 3 Changed\nLine 6 Changed\n"};
        for (int t = 0; t < 6; ++t) {
            // Alt+T presses the button as a click would.
            fake.random.pushLine(lines[t]);
            QTest::keyClick(window(), Qt::Key_T, Qt::AltModifier);
            // The access key animates the press; the click lands a moment later.
            QTRY_COMPARE(form->marksArray()[std::size_t(t)], LineValue(lines[t]));
            for (int line = 1; line <= 6; ++line) {
                const bool cast = line <= t + 1;
                // Line 1 is the lowest label of both figures.
                QCOMPARE(label(7 - line)->text(), cast ? primary[line - 1] : QString());
                QCOMPARE(label(6 + line)->text(), cast ? second[line - 1] : QString());
            }
            QCOMPARE(text("txtChangeLines"), reports[t]);
            if (t < 5) {
                // A partial key names nothing: the texts stay empty.
                QVERIFY(window()->control<QLabel>("lblJudgement")->text().isEmpty());
                QVERIFY(text("txtJudgement").isEmpty());
                QVERIFY(text("txtImage").isEmpty());
                QVERIFY(tossButton()->isEnabled());
                QCOMPARE(form->tossCount(), qint16(t + 1));
            }
        }
        QCOMPARE(form->marksArray()[6], LineValue(0));
    }

    void sixthTossCompletesTheReading() {
        // 7, 7, 7, 7, 8, 8: lower Heaven, upper Thunder.
        for (int value : {7, 7, 7, 7, 8, 8})
            toss(value);
        QVERIFY(!tossButton()->isEnabled());
        QCOMPARE(form->tossCount(), qint16(5));
        QCOMPARE(window()->frameGeometry().topLeft(), QPoint(167, 133)); // 2500, 2000 twips
        QCOMPARE(window()->frameGeometry().width(), 693);
        QVERIFY(window()->frameGeometry().height() <= 454); // 6800 twips, rounded
        // The buttons and the promotion labels are in view.
        QWidget *client = window()->client();
        for (const char *name : {"cmdExit_1", "cmdDonate", "cmdStartAgain"})
            QVERIFY2(window()->control<QWidget>(name)->geometry().bottom() < client->height(),
                     name);
        auto *promo = window()->control<QWidget>("fraFullBrand");
        auto *offer = window()->control<QWidget>("lblFullBrand");
        QVERIFY(promo->y() + offer->geometry().bottom() < client->height());

        const HexagramEntry *entry = HexagramCatalogue::lookup("111001");
        QCOMPARE(window()->control<QLabel>("lblJudgement")->text(),
                 QStringLiteral("34 Ta Chuang The Power of the Great"));
        QCOMPARE(text("txtJudgement"), crlfToLf(entry->judgement));
        QCOMPARE(text("txtImage"), crlfToLf(entry->image));
        QVERIFY(text("txtChangeLines").isEmpty());

        // The disabled button takes no more presses.
        QTest::keyClick(window(), Qt::Key_T, Qt::AltModifier);
        // Its access key starts no animated press, so no click can land later.
        QVERIFY(!tossButton()->isDown());
        QTest::mouseClick(tossButton(), Qt::LeftButton);
        QCOMPARE(form->tossCount(), qint16(5));
        QCOMPARE(form->marksArray()[5], LineValue(8));
    }

    void oldYangShowsTheHexagramAsCast() {
        for (int i = 0; i < 6; ++i)
            toss(9);
        QCOMPARE(window()->control<QLabel>("lblJudgement")->text(),
                 QStringLiteral("1 Ch'ien The Creative"));
        for (int n = 7; n <= 12; ++n)
            QCOMPARE(label(n)->text(), kBroken);
    }

    void missingPictureLeavesTheCoinAsItWas() {
        const QImage before = coinImage(0);
        QVERIFY(QFile::remove(fake.folder.picture("heads.gif")));
        // A corrupt tails picture is as good as a missing one.
        QFile tails(fake.folder.picture("tails.gif"));
        QVERIFY(tails.open(QIODevice::WriteOnly | QIODevice::Truncate));
        tails.write("GIF89a not really");
        tails.close();
        toss(9);
        QCOMPARE(form->marksArray()[0], LineValue(9));
        QCOMPARE(coinImage(0), before);
        toss(6);
        QCOMPARE(form->marksArray()[1], LineValue(6));
        QCOMPARE(coinImage(1), before);
        QCOMPARE(label(6)->text(), kOldYang);
    }

    void displayBoxesAreReadOnlyButSelectable() {
        for (const char *name : {"txtUserInfo", "txtJudgement", "txtImage", "txtChangeLines"}) {
            auto *box = window()->control<QPlainTextEdit>(name);
            QVERIFY2(box->isReadOnly(), name);
            QVERIFY2(box->textInteractionFlags() & Qt::TextSelectableByMouse, name);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
        auto *info = window()->control<QPlainTextEdit>("txtUserInfo");
        info->setFocus();
        QTest::keyClicks(info, "typed");
        QCOMPARE(text("txtUserInfo"), QStringLiteral("Name: \n\nQuestion: "));
    }

    void startAgainClearsAndHandsOver() {
        for (int value : {7, 9, 6})
            toss(value);
        QPointer<FormWindow> old = window();
        bool querentAskedWhileOpen = false;
        connect(form.get(), &FrmMain::querentWanted, this, [&] {
            // The Querent window is shown before the Reading window closes.
            querentAskedWhileOpen = old && old->isVisible() && label(6)->text().isEmpty();
        });
        QSignalSpy exits(form.get(), &FrmMain::exitPath);
        QTest::mouseClick(window()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QVERIFY(querentAskedWhileOpen);
        QCOMPARE(exits.count(), 0);
        QCOMPARE(form->tossCount(), qint16(0));
        QCOMPARE(form->marksArray(), MarksArray{});
        QVERIFY(!old || !old->isVisible());

        // Reopened: built afresh, short, and the first toss fills slot 0 again.
        form->Show();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QVERIFY(window() != old.data());
        for (int n = 1; n <= 12; ++n)
            QVERIFY(label(n)->text().isEmpty());
        QVERIFY(tossButton()->isEnabled());
        QCOMPARE(window()->frameGeometry().topLeft(), QPoint(67, 67));
        toss(8);
        QCOMPARE(form->marksArray()[0], LineValue(8));
        QCOMPARE(label(6)->text(), kBroken);
        QVERIFY(label(5)->text().isEmpty());
    }

    void startAgainFromTheMenuAfterAWholeReading() {
        for (int i = 0; i < 6; ++i)
            toss(7);
        QSignalSpy wanted(form.get(), &FrmMain::querentWanted);
        QSignalSpy exits(form.get(), &FrmMain::exitPath);
        window()->menuAction("mnuStart")->trigger();
        QCOMPARE(wanted.count(), 1);
        QCOMPARE(exits.count(), 0);
        QVERIFY(!form->isOpen() || !window()->isVisible());
        form->Show();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QVERIFY(window()->frameGeometry().height() < 300); // short again
        QVERIFY(window()->control<QLabel>("lblJudgement")->text().isEmpty());
    }

    void everyOtherCloseTakesTheExitPath_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << "cmdExit_1";
        QTest::newRow("File Exit") << "mnuExit";
        QTest::newRow("close box") << "close";
    }
    void everyOtherCloseTakesTheExitPath() {
        QFETCH(QString, how);
        toss(9);
        QSignalSpy exits(form.get(), &FrmMain::exitPath);
        QSignalSpy wanted(form.get(), &FrmMain::querentWanted);
        if (how == "cmdExit_1") {
            // The Exit button stands in the lower band: finish the reading first.
            for (int i = 0; i < 5; ++i)
                toss(7);
            QTest::mouseClick(window()->control<QPushButton>(how), Qt::LeftButton);
        } else if (how == "mnuExit") {
            window()->menuAction(how)->trigger();
        } else {
            window()->close();
        }
        QCOMPARE(exits.count(), 1);
        QCOMPARE(wanted.count(), 0);
        QCOMPARE(form->marksArray(), MarksArray{});
    }

    void menusStandInPlace() {
        const QList<QAction *> top = window()->menuBar()->actions();
        QStringList captions;
        for (QAction *action : top)
            if (action->isVisible())
                captions << action->text();
        QCOMPARE(captions, (QStringList{"&File", "&Help", "&Donate"}));
        QVERIFY(window()->menuAction("mnuMakeMoney"));
        QVERIFY(!window()->menuAction("mnuMakeMoney")->isVisible());
        QCOMPARE(window()->menuAction("mnuFile")->menu()->actions().size(), 5);
        QCOMPARE(window()->menuAction("mnuHelp")->menu()->actions().size(), 6);
        QCOMPARE(window()->menuAction("mnuUpdate")->text(),
                 QStringLiteral("Check for Software &Update"));
    }
};

HEXACLE_TEST_MAIN(TestFrmMain)
#include "tst_frm_main.moc"
