// SPDX-License-Identifier: MIT
// What reaches the name and question of a reading, whatever route the typing
// takes: input-method commits meet the name filter as key presses do, and
// the question keeps every character but its outer spaces.

#include "app/application.h"
#include "layout/form_window.h"
#include "support/fake_platform.h"
#include "support/run_fixture.h"
#include "support/test_main.h"
#include "windows/frm_start.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

using namespace hexacle;
using namespace hexacle::test;

namespace {

const QString kOnlyCharacters = QStringLiteral("Please Enter Only Characters");

} // namespace

class TestQuerentEntry : public RunFixture {
    Q_OBJECT

    void startAndGoToQuerent() {
        QVERIFY(run->start());
        QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QVERIFY(querent() && querent()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(querent()));
    }
    // Types each character as a key press carrying it, as a keyboard
    // layout that has the character would.
    static void type(QWidget *box, const QString &text) {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }

private slots:
    void init() { startRun(); }
    void cleanup() { endRun(); }

    // A dead key or an input method delivers its character as a commit, not
    // as a key press; the filter holds for that route too.
    void nameFilterRefusesInputMethodCommits() {
        startAndGoToQuerent();
        auto commit = [this](const QString &preedit, const QString &text) {
            QInputMethodEvent event(preedit, {});
            event.setCommitString(text);
            QApplication::sendEvent(nameBox(), &event);
        };
        commit(QString(), QStringLiteral("Ann"));
        QCOMPARE(nameBox()->text(), QStringLiteral("Ann"));
        QVERIFY(fake->messages.shown.isEmpty());

        // Composing shows, but a refused composed character types nothing; the
        // focus comes back even if the message took it elsewhere.
        commit(QStringLiteral("\u00b4"), QString());
        fake->messages.onShown = [this](const ShownMessage &) { questionBox()->setFocus(); };
        commit(QString(), QStringLiteral("\u00e9"));
        QCOMPARE(nameBox()->text(), QStringLiteral("Ann"));
        QCOMPARE(messageTexts(), QStringList{kOnlyCharacters});
        QCOMPARE(fake->messages.shown.last().icon, MessageBoxes::Icon::None);
        QVERIFY(nameBox()->hasFocus());
        QCOMPARE(nameBox()->displayText(), QStringLiteral("Ann"));

        // One refused character refuses the whole commit.
        commit(QString(), QStringLiteral("e7"));
        commit(QString(), QStringLiteral(" L\u00e9e"));
        QCOMPARE(nameBox()->text(), QStringLiteral("Ann"));
        QCOMPARE(fake->messages.shown.size(), 3);
        commit(QString(), QStringLiteral(" Lee"));
        QCOMPARE(nameBox()->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(fake->messages.shown.size(), 3);

        // The box's own context menu pastes unfiltered.
        fake->messages.onShown = nullptr;
        QApplication::clipboard()->setText(QStringLiteral("\u00e9 7"));
        nameBox()->setFocus();
        QTRY_VERIFY(nameBox()->hasFocus());
        nameBox()->end(false);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    nameBox()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(nameBox(), &menuEvent);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (QAction *action : menu->actions())
            if (action->text().startsWith(QLatin1String("&Paste")))
                action->trigger();
        menu->close();
        QTRY_COMPARE(nameBox()->text(), QStringLiteral("Ann Lee\u00e9 7"));
        QCOMPARE(fake->messages.shown.size(), 3);
    }

    // Only code-32 spaces are trimmed; every other character, the no-break
    // space included, reaches the reading as typed.
    void questionKeepsEveryCharacterButOuterSpaces() {
        startAndGoToQuerent();
        QTest::keyClicks(nameBox(), "Ann");
        questionBox()->setFocus();
        type(questionBox(), QStringLiteral("\u00a0Q\u00a0R\u00a0"));
        QTest::mouseClick(querent()->control<QPushButton>("cmdProceed"), Qt::LeftButton);
        QCOMPARE(run->querent().userQuestion(), QStringLiteral("\u00a0Q\u00a0R\u00a0"));
        QVERIFY(reading()
                    ->control<QPlainTextEdit>("txtUserInfo")
                    ->document()
                    ->toRawText()
                    .endsWith(QStringLiteral("Question: \u00a0Q\u00a0R\u00a0")));

        // Line breaks, typed or soft, become the reading's line breaks.
        QTest::mouseClick(reading()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(querent()));
        QTest::keyClicks(nameBox(), "Ann");
        questionBox()->setFocus();
        QTest::keyClicks(questionBox(), QStringLiteral("  one"));
        QTest::keyClick(questionBox(), Qt::Key_Return);
        QTest::keyClicks(questionBox(), QStringLiteral("two"));
        QTest::keyClick(questionBox(), Qt::Key_Return, Qt::ShiftModifier);
        type(questionBox(), QStringLiteral("three\u2007 "));
        QTest::mouseClick(querent()->control<QPushButton>("cmdProceed"), Qt::LeftButton);
        QCOMPARE(run->querent().userQuestion(), QStringLiteral("one\r\ntwo\r\nthree\u2007"));
    }
};

HEXACLE_TEST_MAIN(TestQuerentEntry)
#include "tst_querent_entry.moc"
