// SPDX-License-Identifier: MIT
// The three windows as a keyboard-only user meets them: where Tab and
// Shift+Tab take the focus, and what Enter, Space and Esc do there. Real
// windows, real key presses, scripted coins.

#include "layout/form_window.h"
#include "layout/link_label.h"
#include "support/test_main.h"
#include "support/tossing.h"
#include "support/window_fixture.h"
#include "web/pages.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace hexacle;
using namespace hexacle::test;

namespace {

// Presses Tab from the focus the window opened with until the focus comes
// back to it; the object names of the controls visited, in order.
QStringList tabWalk() {
    // More presses than any window has stops: a walk that does not come back
    // to where it began ends here, and its list says so.
    constexpr int kMostPresses = 60;
    QStringList visited;
    QWidget *start = QApplication::focusWidget();
    if (!start)
        return {QStringLiteral("<no focus>")};
    visited << start->objectName();
    for (int press = 0; press < kMostPresses; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now)
            return visited << QStringLiteral("<focus lost>");
        if (now == start)
            return visited;
        visited << now->objectName();
    }
    return visited << QStringLiteral("<not back after %1 presses>").arg(kMostPresses);
}

// Every control a keyboard user must be able to reach: buttons, text boxes
// and the link labels that can be seen (not the one stacked behind another).
QStringList reachableControls(QWidget *window) {
    QStringList names;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
            !w->isEnabled() || !w->isVisibleTo(window))
            continue;
        if (auto *link = qobject_cast<layout::LinkLabel *>(w)) {
            QWidget *parent = link->parentWidget();
            if (parent->childAt(link->geometry().center()) != link)
                continue; // covered
        } else if (!qobject_cast<QAbstractButton *>(w) && !qobject_cast<QLineEdit *>(w) &&
                   !qobject_cast<QPlainTextEdit *>(w)) {
            continue;
        }
        names << w->objectName();
    }
    names.sort();
    return names;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// Presses Tab until `target` has the focus; false when a walk round the
// window passes it by.
bool tabTo(QWidget *target) {
    for (int press = 0; press < 60 && QApplication::focusWidget() != target; ++press) {
        if (!QApplication::focusWidget())
            return false;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
}

} // namespace

class TestKeyboard : public WindowFixture {
    Q_OBJECT

private slots:
    void init() { makeFakes(); }
    void cleanup() { closeAll(); }

    void tabReachesEveryControlOfTheQuerentWindow() {
        FormWindow *window = openQuerent();
        const QStringList walk = tabWalk();
        QCOMPARE(walk, (QStringList{"txtName", "txtQuestion", "Label14", "cmdProceed", "cmdExit",
                                    "lblFullBrand"}));
        QCOMPARE(sorted(walk), reachableControls(window));
    }

    void tabReachesEveryControlOfTheReadingWindow_data() {
        QTest::addColumn<int>("coBrandNumber");
        QTest::newRow("full-brand offer in front") << 2;
        QTest::newRow("co-brand offer in front") << 3;
    }
    void tabReachesEveryControlOfTheReadingWindow() {
        QFETCH(int, coBrandNumber);
        FormWindow *window = openReading();
        reading->bringOfferToFront(qint16(coBrandNumber));
        const QString offer = coBrandNumber % 2 ? "lblCobrand" : "lblFullBrand";
        // While the window is short, Tab stays in the upper band that shows.
        QCOMPARE(tabWalk(), (QStringList{"cmdToss", "Label14", "txtUserInfo"}));
        QCOMPARE(sorted(tabWalk()), reachableControls(window));
        tossLines(window, fake->random, 7, 6);
        window->control<QWidget>("txtJudgement")->setFocus();
        const QStringList walk = tabWalk();
        // In the order of the layout's tab indexes; the disabled button is passed over.
        QCOMPARE(walk, (QStringList{"txtJudgement", "txtImage", "Label14", "cmdExit_1", "cmdDonate",
                                    "cmdStartAgain", "txtUserInfo", "txtChangeLines", offer}));
        QCOMPARE(sorted(walk), reachableControls(window));
        // Shift+Tab goes the other way round.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), offer);
    }

    void tabReachesEveryControlOfTheAboutWindow() {
        openReading();
        withAbout(reading->window(), [&](QDialog *about) {
            const QStringList walk = tabWalk();
            QCOMPARE(walk, (QStringList{"cmdOK", "lblHomePage", "lblCoBrand"}));
            QCOMPARE(sorted(walk), reachableControls(about));
        });
    }

    // Enter and Space on a focused link do what a click does; the focus shows.
    void linkLabelsWorkFromTheKeyboard() {
        FormWindow *window = openReading();
        auto *forum = window->control<layout::LinkLabel>(QStringLiteral("Label14"));
        const QImage unfocused = forum->grab().toImage();
        QTest::mouseClick(forum, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(fake->browser.opened.size(), 1);
        const QUrl page = fake->browser.opened.last();
        QCOMPARE(page, pageAddress(Page::Home));
        QVERIFY(!forum->hasFocus()); // a click does not take the focus

        QVERIFY(tabTo(forum));
        QVERIFY(forum->grab().toImage() != unfocused);
        QTest::keyClick(forum, Qt::Key_Return);
        QTest::keyClick(forum, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(forum, Qt::Key_Space);
        QCOMPARE(fake->browser.opened, QList<QUrl>(4, page));
        // Keys that do not press it do nothing.
        QTest::keyClick(forum, Qt::Key_A);
        QTest::keyClick(forum, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(fake->browser.opened.size(), 4);
        QTest::keyClick(forum, Qt::Key_Tab);
        QVERIFY(!forum->hasFocus());
        QCOMPARE(forum->grab().toImage(), unfocused);

        // A screen reader presses it through its action.
        QAccessibleActionInterface *actions =
            QAccessible::queryAccessibleInterface(forum)->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(fake->browser.opened.size(), 5);
    }

    // In the About window Enter belongs to its default button, OK, wherever
    // the focus is; a focused link opens with Space and leaves the window open.
    void aboutLinksByKeyboardLeaveTheWindowOpenAndEscStillCloses_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    }
    void aboutLinksByKeyboardLeaveTheWindowOpenAndEscStillCloses() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        openReading();
        bool stayedOpen = false;
        bool closed = false;
        withAbout(reading->window(), [&](QDialog *about) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblHomePage"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblCoBrand"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            stayedOpen = about->isVisible();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                            Qt::KeyboardModifiers(modifiers));
            closed = !about->isVisible();
        });
        QVERIFY(stayedOpen);
        QVERIFY(closed);
        QCOMPARE(fake->browser.opened,
                 (QList<QUrl>{pageAddress(Page::Home), pageAddress(Page::FullBrand)}));
    }
};

HEXACLE_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
