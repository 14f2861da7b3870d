// SPDX-License-Identifier: MIT
// The Querent window opened as a user opens it: content, menus, and its
// object outliving the window (tst_about_window has the About window).

#include "layout/form_window.h"
#include "support/fake_platform.h"
#include "support/modal.h"
#include "support/test_main.h"
#include "support/tossing.h"
#include "web/pages.h"
#include "windows/frm_about.h"
#include "windows/frm_main.h"
#include "windows/frm_start.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace hexacle;
using namespace hexacle::test;

namespace {

QStringList menuEntries(const QMenu *menu) {
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

    FakePlatform fake;

private slots:
    void querentWindowOpensWithItsLayout() {
        FrmStart start(fake.platform());
        start.Show();
        FormWindow *window = start.window();
        QVERIFY(QTest::qWaitForWindowActive(window));

        QCOMPARE(window->windowTitle(), QStringLiteral("Hexacle v" HEXACLE_PROJECT_VERSION));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->client()->size(), QSize(492, 241)); // 7380 x 3615 twips
        QCOMPARE(window->minimumSize(), window->maximumSize());

        auto *name = window->control<QLineEdit>(QStringLiteral("txtName"));
        auto *question = window->control<QPlainTextEdit>(QStringLiteral("txtQuestion"));
        auto *next = window->control<QPushButton>(QStringLiteral("cmdProceed"));
        auto *exit = window->control<QPushButton>(QStringLiteral("cmdExit"));
        QVERIFY(name && question && next && exit);
        QVERIFY(name->text().isEmpty() && question->toPlainText().isEmpty());
        QCOMPARE(name->geometry(), QRect(86, 38, 337, 24));
        QCOMPARE(question->geometry(), QRect(86, 64, 337, 83));
        QCOMPARE(next->text(), QStringLiteral("&Next"));
        QCOMPARE(exit->text(), QStringLiteral("&Exit"));
        QVERIFY(next->font().bold());
        QVERIFY(!exit->font().bold());
        QCOMPARE(window->control<QLabel>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Name:"));
        QCOMPARE(window->control<QLabel>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Question:"));
        QCOMPARE(window->control<QLabel>(QStringLiteral("Label14"))->text(),
                 QString::fromLatin1(texts::kForumAdvert));
        QCOMPARE(window->control<QLabel>(QStringLiteral("lblFullBrand"))->text(),
                 QString::fromLatin1(texts::kFullBrandOffer));
        const QImage coin(QStringLiteral(HEXACLE_SOURCE_DIR "/assets/coin.gif"));
        for (const char *picture : {"Picture1", "Picture2", "Picture3"}) {
            const QLabel *box = window->control<QLabel>(QString::fromLatin1(picture));
            QCOMPARE(box->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     coin.convertToFormat(QImage::Format_RGB32));
            QCOMPARE(box->size(), QSize(60, 60));
        }
        QCOMPARE(window->control<QWidget>(QStringLiteral("fraFullBrand"))->geometry(),
                 QRect(0, 184, 495, 57));

        // Nothing accepted yet.
        QVERIFY(start.userName().isEmpty());
        QVERIFY(start.userQuestion().isEmpty());

        // The name has the focus; Tab walks name, question, the forum link,
        // Next, Exit, the offer in front and round (the offer behind it is
        // skipped).
        QCOMPARE(QApplication::focusWidget(), name);
        auto *forum = window->control<QWidget>(QStringLiteral("Label14"));
        auto *offer = window->control<QWidget>(QStringLiteral("lblFullBrand"));
        const QList<QWidget *> order{question, forum, next, exit, offer, name};
        for (QWidget *expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        // The question takes several lines, the name one.
        QTest::keyClick(question, Qt::Key_A);
        QTest::keyClick(question, Qt::Key_Return);
        QTest::keyClick(question, Qt::Key_B);
        QCOMPARE(question->toPlainText(), QStringLiteral("a\nb"));

        // Alt+N presses "Next".
        QSignalSpy nextPressed(next, &QPushButton::clicked);
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(nextPressed.count(), 1); // a pressed look first, then the click
    }

    void querentWindowMenus() {
        FrmStart start(fake.platform());
        start.Show();
        FormWindow *window = start.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QStringList bar;
        for (const QAction *action : window->menuBar()->actions())
            if (action->isVisible())
                bar << action->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate"}));
        QCOMPARE(menuEntries(window->findChild<QMenu *>(QStringLiteral("mnuFile"))),
                 (QStringList{"&Next", "-", "&Exit"}));
        QCOMPARE(menuEntries(window->findChild<QMenu *>(QStringLiteral("mnuHelp"))),
                 (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                              "-", "&About Software"}));
        QAction *donate = window->menuAction(QStringLiteral("mnuDonate"));
        QVERIFY(donate && !donate->menu() && donate->isEnabled());
        // "Make Money Online" is switched off: hidden, and dead if reached.
        QAction *makeMoney = window->menuAction(QStringLiteral("mnuMakeMoney"));
        QVERIFY(makeMoney);
        QVERIFY(!makeMoney->isVisible());
        QVERIFY(!makeMoney->isEnabled());
        QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    }

    void querentObjectOutlivesItsWindow() {
        FrmStart start(fake.platform());
        start.Show();
        QPointer<FormWindow> first = start.window();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        first->control<QLineEdit>(QStringLiteral("txtName"))->setText(QStringLiteral("Ann"));
        start.Close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(!start.isOpen());
        // A new opening builds the controls afresh from the layout.
        start.Show();
        QVERIFY(start.isOpen());
        QVERIFY(start.window() != nullptr);
        QVERIFY(start.window()->control<QLineEdit>(QStringLiteral("txtName"))->text().isEmpty());
    }
};

HEXACLE_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
