// SPDX-License-Identifier: MIT
// The three windows as a screen reader and a keyboard-only user meet them:
// what Qt's accessibility interface says of every control, and where Tab and
// Enter take the user. Real windows, real key presses, scripted coins.

#include "forms/form_window.h"
#include "forms/frm_about.h"
#include "forms/frm_main.h"
#include "forms/frm_start.h"
#include "links/cobrand.h"
#include "links/pages.h"
#include "reading/spoken_text.h"
#include "support/fake_platform.h"
#include "support/modal.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace hexacle;
using namespace hexacle::test;

namespace {

QAccessibleInterface *accessible(QWidget *widget) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        qWarning("no accessible interface for %s", qPrintable(widget->objectName()));
    return iface;
}
QString nameOf(QWidget *widget) {
    return accessible(widget)->text(QAccessible::Name);
}
QString descriptionOf(QWidget *widget) {
    return accessible(widget)->text(QAccessible::Description);
}
QAccessible::Role roleOf(QWidget *widget) {
    return accessible(widget)->role();
}

// Presses Tab from the focus the window opened with until the focus comes
// back to it; the object names of the controls visited, in order.
QStringList tabWalk() {
    QStringList visited;
    QWidget *start = QApplication::focusWidget();
    if (!start)
        return visited;
    visited << start->objectName();
    for (int press = 0; press < 60; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now || now == start)
            break;
        visited << now->objectName();
    }
    return visited;
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

// What the user sees as a heading, said without its colon.
QString headingOf(const QWidget *window, const char *label) {
    QString text = window->findChild<QLabel *>(QLatin1String(label))->text();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

// Every label names itself by the text it shows; links say they are links.
void checkLabels(QWidget *window, int *checked) {
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull() || label->text().isEmpty())
            continue;
        const bool link = qobject_cast<layout::LinkLabel *>(label);
        QCOMPARE(nameOf(label), label->text());
        QCOMPARE(roleOf(label), link ? QAccessible::Link : QAccessible::StaticText);
        if (link)
            QVERIFY(accessible(label)->state().focusable || label->focusPolicy() == Qt::NoFocus);
        ++*checked;
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        QCOMPARE(roleOf(button), QAccessible::Button);
        QCOMPARE(nameOf(button), QString(button->text()).remove(QLatin1Char('&')));
        ++*checked;
    }
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<FrmMain> reading;
    std::unique_ptr<FrmStart> querent;

    FormWindow *openReading() {
        reading = std::make_unique<FrmMain>(fake->platform());
        reading->Show();
        if (!QTest::qWaitForWindowActive(reading->window()))
            qWarning("the Reading window did not become active");
        // The lower band is built once the window has shown.
        if (!QTest::qWaitFor([this] {
                return reading->window()->client()->findChild<QWidget *>(
                    QStringLiteral("lblFullBrand"));
            }))
            qWarning("the Reading window did not build its lower band");
        return reading->window();
    }
    FormWindow *openQuerent() {
        querent = std::make_unique<FrmStart>(fake->platform());
        querent->Show();
        if (!QTest::qWaitForWindowActive(querent->window()))
            qWarning("the Querent window did not become active");
        return querent->window();
    }
    QLabel *glyph(int n) const {
        return reading->window()->control<QLabel>(QStringLiteral("Label%1").arg(n));
    }
    QWidget *coin(int k) const {
        return reading->window()->control<QWidget>(QStringLiteral("picCoin_%1").arg(k));
    }
    void tossByKey(int value) {
        fake->random.pushLine(value);
        const qint16 before = reading->tossCount;
        const LineValue sixth = reading->marksArray[5];
        // Access keys go to the active window, as a user's would.
        reading->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(reading->window()));
        QTest::keyClick(reading->window(), Qt::Key_T, Qt::AltModifier);
        // The access key animates the press; the click lands a moment later.
        QTRY_VERIFY(reading->tossCount != before || reading->marksArray[5] != sixth);
    }
    // Runs `visit` on the About window, opened modal over `owner` as the
    // Help menu opens it.
    void withAbout(QWidget *owner, std::function<void(QDialog *)> visit) {
        FrmAbout about(fake->platform());
        ModalVisit seen;
        answerModal(seen, std::move(visit));
        about.Show(owner);
        QVERIFY(seen.seen);
    }

private slots:
    void init() { fake = std::make_unique<FakePlatform>(); }
    void cleanup() {
        reading.reset();
        querent.reset();
        fake.reset();
    }

    void labelsAndButtonsSayWhatTheyShow() {
        int checked = 0;
        checkLabels(openQuerent(), &checked);
        checkLabels(openReading(), &checked);
        withAbout(reading->window(), [&](QDialog *about) { checkLabels(about, &checked); });
        QVERIFY(checked >= 23);

        // The lone ampersand is said as shown, not taken for an access key.
        auto *cobrand = reading->window()->control<QLabel>(QStringLiteral("lblCobrand"));
        QVERIFY(nameOf(cobrand).contains(QStringLiteral("site's name &  link here.")));

        // Texts written later are said as they stand.
        for (int i = 0; i < 6; ++i)
            tossByKey(7);
        auto *title = reading->window()->control<QLabel>(QStringLiteral("lblJudgement"));
        QCOMPARE(nameOf(title), QStringLiteral("1 Ch'ien The Creative"));
        QCOMPARE(nameOf(glyph(6)), QStringLiteral("----------------"));
    }

    void textBoxesNameTheirHeading() {
        FormWindow *start = openQuerent();
        FormWindow *main = openReading();
        const QList<std::tuple<QWidget *, const char *, const char *>> boxes{
            {start, "txtName", "Label1"},        {start, "txtQuestion", "Label2"},
            {main, "txtJudgement", "Label13"},   {main, "txtImage", "Label15"},
            {main, "txtChangeLines", "Label17"},
        };
        for (const auto &[window, box, heading] : boxes) {
            QWidget *w = window->findChild<QWidget *>(QLatin1String(box));
            QCOMPARE(nameOf(w), headingOf(window, heading));
            QCOMPARE(roleOf(w), QAccessible::EditableText);
        }
        QCOMPARE(nameOf(start->control<QWidget>("txtName")), QStringLiteral("Name"));
        QCOMPARE(nameOf(main->control<QWidget>("txtJudgement")), QStringLiteral("The Judgement"));
        // The querent box has no heading on the window; its name says what it holds.
        QCOMPARE(nameOf(main->control<QWidget>("txtUserInfo")), QStringLiteral("Querent"));
        // A box's name is not its contents.
        for (int i = 0; i < 6; ++i)
            tossByKey(8);
        QCOMPARE(nameOf(main->control<QWidget>("txtImage")), QStringLiteral("The Image"));
        QVERIFY(
            !accessible(main->control<QWidget>("txtImage"))->text(QAccessible::Value).isEmpty());
        // The two figures are named groups.
        QCOMPARE(nameOf(main->control<QWidget>("fraHexagram1")),
                 QStringLiteral("Hexagram as cast"));
        QCOMPARE(nameOf(main->control<QWidget>("fraHaxagram2")),
                 QStringLiteral("Hexagram after the changes"));
    }

    void glyphLabelsDescribeTheirLines() {
        openReading();
        for (int n = 1; n <= 12; ++n)
            QVERIFY(descriptionOf(glyph(n)).isEmpty());
        // Lines 1 to 6: old yin, young yang, young yin, old yang, young yang, young yin.
        const QList<int> values{6, 7, 8, 9, 7, 8};
        const QStringList primary{"line 1, old yin, changing", "line 2, young yang",
                                  "line 3, young yin",         "line 4, old yang, changing",
                                  "line 5, young yang",        "line 6, young yin"};
        const QStringList second{"line 1, young yang", "line 2, young yang", "line 3, young yin",
                                 "line 4, young yin",  "line 5, young yang", "line 6, young yin"};
        for (int t = 0; t < 6; ++t) {
            if (t % 2)
                tossByKey(values[t]);
            else {
                fake->random.pushLine(values[t]);
                QTest::mouseClick(reading->window()->control<QPushButton>("cmdToss"),
                                  Qt::LeftButton);
            }
            for (int line = 1; line <= 6; ++line) {
                const bool cast = line <= t + 1;
                // Line 1 is the lowest label of both figures.
                QCOMPARE(descriptionOf(glyph(7 - line)), cast ? primary[line - 1] : QString());
                QCOMPARE(descriptionOf(glyph(6 + line)), cast ? second[line - 1] : QString());
            }
        }
        // Start Again clears them with the glyphs, before the Querent window shows.
        QStringList leftOver;
        connect(reading.get(), &FrmMain::querentWanted, this, [&] {
            for (int n = 1; n <= 12; ++n)
                leftOver << descriptionOf(glyph(n)) + glyph(n)->text();
        });
        QTest::mouseClick(reading->window()->control<QPushButton>("cmdStartAgain"), Qt::LeftButton);
        QCOMPARE(leftOver, QStringList(12, QString()));
    }

    void wordingOutsideTheFourValues() {
        for (LineValue value : {LineValue(0), LineValue(5), LineValue(10), LineValue(-6)}) {
            QVERIFY(primaryLineDescription(1, value).isEmpty());
            QVERIFY(secondLineDescription(1, value).isEmpty());
        }
        QCOMPARE(primaryLineDescription(6, 9), QStringLiteral("line 6, old yang, changing"));
        QCOMPARE(secondLineDescription(6, 9), QStringLiteral("line 6, young yin"));
    }

    void coinsSayHeadsOrTails() {
        FormWindow *start = openQuerent();
        for (const char *picture : {"Picture1", "Picture2", "Picture3"}) {
            QCOMPARE(nameOf(start->control<QWidget>(picture)), QStringLiteral("coin"));
            QCOMPARE(roleOf(start->control<QWidget>(picture)), QAccessible::Graphic);
        }
        openReading();
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(nameOf(coin(k)), QStringLiteral("coin"));
            QCOMPARE(roleOf(coin(k)), QAccessible::Graphic);
        }
        auto *toss = reading->window()->control<QPushButton>("cmdToss");
        fake->random.push({0.9, 0.1, 0.7});
        QTest::mouseClick(toss, Qt::LeftButton);
        QCOMPARE(nameOf(coin(0)), QStringLiteral("heads"));
        QCOMPARE(nameOf(coin(1)), QStringLiteral("tails"));
        QCOMPARE(nameOf(coin(2)), QStringLiteral("heads"));
        fake->random.push({0.2, 0.6, 0.3});
        QTest::mouseClick(toss, Qt::LeftButton);
        QCOMPARE(nameOf(coin(0)), QStringLiteral("tails"));
        QCOMPARE(nameOf(coin(1)), QStringLiteral("heads"));
        QCOMPARE(nameOf(coin(2)), QStringLiteral("tails"));
        withAbout(reading->window(), [&](QDialog *about) {
            for (const char *picture : {"Picture1", "picIcon", "Picture2"})
                QCOMPARE(nameOf(about->findChild<QWidget *>(QLatin1String(picture))),
                         QStringLiteral("coin"));
        });
    }

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
        bringOfferToFront(window, qint16(coBrandNumber));
        const QString offer = coBrandNumber % 2 ? "lblCobrand" : "lblFullBrand";
        // While the window is short, Tab stays in the upper band that shows.
        QCOMPARE(tabWalk(), (QStringList{"cmdToss", "Label14", "txtUserInfo"}));
        QCOMPARE(sorted(tabWalk()), reachableControls(window));
        for (int toss = 0; toss < 6; ++toss) {
            fake->random.pushLine(7);
            QTest::mouseClick(window->control<QPushButton>("cmdToss"), Qt::LeftButton);
        }
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

        while (QApplication::focusWidget() != forum)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
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
        QAccessibleActionInterface *actions = accessible(forum)->actionInterface();
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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
