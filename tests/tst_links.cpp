// SPDX-License-Identifier: MIT
// Web page links: the addresses, which control of which window opens which
// page (clicked for real, through the window, so only what is in front can be
// hit), and that nothing else opens one. tst_cobrand has the promotional offer.

#include "layout/form_window.h"
#include "support/clicks.h"
#include "support/fake_platform.h"
#include "support/test_main.h"
#include "support/tossing.h"
#include "web/pages.h"
#include "windows/cobrand.h"
#include "windows/frm_about.h"
#include "windows/frm_about_layout.h"
#include "windows/frm_main.h"
#include "windows/frm_main_layout.h"
#include "windows/frm_start.h"
#include "windows/frm_start_layout.h"
#include "windows/page_links.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <functional>
#include <memory>

using namespace hexacle;
using namespace hexacle::test;

namespace {

// Which control of each window opens which page: control name -> page name.
QMap<QString, QString> expectedLinks(const QString &window) {
    if (window == QLatin1String("FrmMain"))
        return {{"Label14", "home-page"},          {"mnuVisit", "home-page"},
                {"mnuOnline", "help-web-page"},    {"mnuUpdate", "download-web-page"},
                {"cmdDonate", "donate"},           {"mnuDonates", "donate"},
                {"mnuDonate", "donate"},           {"lblFullBrand", "fully-branded"},
                {"mnuMakeMoney", "fully-branded"}, {"lblCobrand", "co-brand"}};
    if (window == QLatin1String("frmStart"))
        return {{"Label14", "home-page"}, // our choice: it looks like a link there too
                {"mnuVisit", "home-page"},          {"mnuOnline", "help-web-page"},
                {"mnuUpdate", "download-web-page"}, {"mnuDonate", "donate"},
                {"lblFullBrand", "fully-branded"},  {"mnuMakeMoney", "fully-branded"},
                {"lblCobrand", "co-brand"}};
    return {{"lblHomePage", "home-page"}, {"lblCoBrand", "fully-branded"}};
}

bool insideMenuBar(QWidget *widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (qobject_cast<QMenuBar *>(widget))
            return true;
    }
    return false;
}

// Grows a window until every control lies inside it.
void fitToControls(QWidget *window) {
    QRect needed = window->rect();
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child->window() == window)
            needed |= QRect(child->mapTo(window, QPoint(0, 0)), child->size());
    }
    window->setFixedSize(needed.size());
}

// A window built from its layout, alone: its controls and menu items, and
// the top-level widget they stand in.
struct BuiltWindow {
    std::unique_ptr<QWidget> top;
    const BuiltControls *controls;
};

BuiltWindow buildWindow(const QString &name) {
    if (name == QLatin1String("FrmAbout") || name == QLatin1String("frmAbout")) {
        auto *dialog = new FormDialog(frmAboutLayout());
        return {std::unique_ptr<QWidget>(dialog), dialog};
    }
    auto *window =
        new FormWindow(name == QLatin1String("FrmMain") ? frmMainLayout() : frmStartLayout());
    return {std::unique_ptr<QWidget>(window), window};
}

} // namespace

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void openersOpenTheirAddress_data() {
        QTest::addColumn<int>("opener");
        QTest::addColumn<QString>("expected");
        QTest::newRow("OpenHomePage") << 0 << address("home-page");
        QTest::newRow("OpenHelpPage") << 1 << address("help-web-page");
        QTest::newRow("OpenDownloadPage") << 2 << address("download-web-page");
        QTest::newRow("OpenDonatePage") << 3 << address("donate");
        QTest::newRow("OpenFullBrandPage") << 4 << address("fully-branded");
        QTest::newRow("OpenCoBrandPage") << 5 << address("co-brand");
    }
    void openersOpenTheirAddress() {
        QFETCH(int, opener);
        QFETCH(QString, expected);
        RecordingBrowser browser;
        const PageOpeners openers(&browser);
        const std::function<void()> calls[] = {
            [&] { openers.OpenHomePage(); },      [&] { openers.OpenHelpPage(); },
            [&] { openers.OpenDownloadPage(); },  [&] { openers.OpenDonatePage(); },
            [&] { openers.OpenFullBrandPage(); }, [&] { openers.OpenCoBrandPage(); },
        };
        calls[opener]();
        QCOMPARE(opened(browser), QStringList{expected});
        // Handed over as written: nothing re-encoded on the way.
        QCOMPARE(browser.opened.front().toEncoded(), expected.toLatin1());
        // No state: a second call opens the page again.
        calls[opener]();
        QCOMPARE(opened(browser), QStringList({expected, expected}));
    }

    void openersWithoutBrowserDoNothing() {
        const PageOpeners openers(nullptr);
        openers.OpenHomePage(); // must not crash
    }

    // Every link of every window, on the window as built from its layout:
    // each opens exactly its page when clicked where it shows (or, for menu
    // items, when chosen), and no other control or menu item opens any.
    void everyLinkOpensItsPageAndNothingElseDoes_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("Reading window") << "FrmMain";
        QTest::newRow("Querent window") << "frmStart";
        QTest::newRow("About window") << "frmAbout";
    }
    void everyLinkOpensItsPageAndNothingElseDoes() {
        QFETCH(QString, window);
        const QMap<QString, QString> table = expectedLinks(window);
        const auto links = int(table.size());

        RecordingBrowser browser;
        const BuiltWindow built = buildWindow(window);
        QWidget *top = built.top.get();
        QCOMPARE(connectPageLinks(*built.controls, PageOpeners(&browser)), links);
        top->show();
        QVERIFY(QTest::qWaitForWindowExposed(top));
        fitToControls(top);
        QTRY_COMPARE(top->windowHandle()->size(), top->size());

        for (auto link = table.begin(); link != table.end(); ++link) {
            browser.opened.clear();
            if (auto *action = top->findChild<QAction *>(link.key())) {
                if (!action->isEnabled()) {
                    // Switched off in the layout: it cannot be chosen, but its
                    // handler is the one in the table.
                    action->trigger();
                    QVERIFY2(browser.opened.isEmpty(), qPrintable(link.key()));
                    action->setEnabled(true);
                }
                action->trigger();
            } else {
                auto *control = top->findChild<QWidget *>(link.key());
                QVERIFY2(control, qPrintable(link.key()));
                control->raise(); // one of two labels sharing a place
                QVERIFY2(inView(control), qPrintable(link.key()));
                QCOMPARE(clickWhereShown(control), control);
            }
            QVERIFY2(opened(browser) == QStringList{address(qPrintable(link.value()))},
                     qPrintable(link.key() + QLatin1String(": ") + opened(browser).join(' ')));
        }

        int others = 0;
        for (QWidget *widget : top->findChildren<QWidget *>()) {
            // Menus are reached through their items below.
            if (table.contains(widget->objectName()) || widget->window() != top ||
                insideMenuBar(widget))
                continue;
            browser.opened.clear();
            QTest::mouseClick(widget, Qt::LeftButton);
            QVERIFY2(browser.opened.isEmpty(), qPrintable(widget->objectName()));
            ++others;
        }
        for (QAction *action : top->findChildren<QAction *>()) {
            if (table.contains(action->objectName()))
                continue;
            browser.opened.clear();
            action->setEnabled(true);
            action->trigger();
            QVERIFY2(browser.opened.isEmpty(), qPrintable(action->objectName()));
            ++others;
        }
        QVERIFY(others > 5);
    }

    // The Reading window as the program runs it: its links work while a
    // reading is half cast, leave the reading alone, and the lower band's
    // links work once it has come into view.
    void readingWindowLinksDuringAReading() {
        FakePlatform fake;
        FrmMain reading(fake.platform());
        reading.Show();
        FormWindow *window = reading.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        tossLines(reading.window(), fake.random, 7, 3);
        const MarksArray marks = reading.marksArray();
        QCOMPARE(reading.tossCount(), 3);

        auto *donate = window->control<QPushButton>(QStringLiteral("cmdDonate"));
        auto *fullBrand = window->control<QLabel>(QStringLiteral("lblFullBrand"));
        QVERIFY(!inView(donate));
        QVERIFY(!inView(fullBrand));

        auto *label14 = window->control<QLabel>(QStringLiteral("Label14"));
        QCOMPARE(clickWhereShown(label14), label14);
        for (const char *item : {"mnuVisit", "mnuOnline", "mnuUpdate", "mnuDonates", "mnuDonate"})
            window->menuAction(QLatin1String(item))->trigger();
        QCOMPARE(opened(fake.browser),
                 QStringList({address("home-page"), address("home-page"), address("help-web-page"),
                              address("download-web-page"), address("donate"), address("donate")}));
        QCOMPARE(reading.marksArray(), marks);
        QCOMPARE(reading.tossCount(), 3);
        QVERIFY(reading.isOpen());

        tossLines(reading.window(), fake.random, 7, 3);
        QCOMPARE(reading.marksArray()[5], 7);
        QTRY_VERIFY(inView(donate));
        fake.browser.opened.clear();
        QCOMPARE(clickWhereShown(donate), donate);
        // The layout puts the fully branded offer in front of the co-branding one.
        QCOMPARE(clickWhereShown(window->control<QLabel>(QStringLiteral("lblCobrand"))), fullBrand);
        QCOMPARE(opened(fake.browser), QStringList({address("donate"), address("fully-branded")}));
    }

    // The Querent window as the program runs it: the fully branded offer is
    // always the one in front.
    void querentWindowLinks() {
        FakePlatform fake;
        FrmStart start(fake.platform());
        start.Show();
        FormWindow *window = start.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *fullBrand = window->control<QLabel>(QStringLiteral("lblFullBrand"));
        QCOMPARE(clickWhereShown(window->control<QLabel>(QStringLiteral("Label14"))),
                 window->control<QLabel>(QStringLiteral("Label14")));
        QCOMPARE(clickWhereShown(window->control<QLabel>(QStringLiteral("lblCobrand"))), fullBrand);
        for (const char *item : {"mnuVisit", "mnuOnline", "mnuUpdate", "mnuDonate"})
            window->menuAction(QLatin1String(item))->trigger();
        QCOMPARE(opened(fake.browser),
                 QStringList({address("home-page"), address("fully-branded"), address("home-page"),
                              address("help-web-page"), address("download-web-page"),
                              address("donate")}));
    }

    // The About window as the program runs it, modal: both links open their
    // pages and leave it open.
    void aboutWindowLinks() {
        FakePlatform fake;
        FrmAbout about(fake.platform());
        QString hitCoBrand;
        QString hitHomePage;
        bool stayedOpen = false;
        QTimer::singleShot(0, this, [&] {
            FormDialog *dialog = about.window();
            if (dialog && QTest::qWaitForWindowExposed(dialog)) {
                hitCoBrand =
                    nameOf(clickWhereShown(dialog->control<QLabel>(QStringLiteral("lblCoBrand"))));
                hitHomePage =
                    nameOf(clickWhereShown(dialog->control<QLabel>(QStringLiteral("lblHomePage"))));
                stayedOpen = dialog->isVisible();
            }
            if (FormDialog *open = about.window())
                QTest::mouseClick(open->control<QPushButton>(QStringLiteral("cmdOK")),
                                  Qt::LeftButton);
        });
        about.Show(nullptr);
        QVERIFY(stayedOpen);
        QCOMPARE(hitCoBrand, QStringLiteral("lblCoBrand"));
        QCOMPARE(hitHomePage, QStringLiteral("lblHomePage"));
        QCOMPARE(opened(fake.browser),
                 QStringList({address("fully-branded"), address("home-page")}));
    }
};

HEXACLE_TEST_MAIN(TestLinks)
#include "tst_links.moc"
