// SPDX-License-Identifier: MIT
// The start-up draw of the promotional offer, and the order of the two offers
// it leaves on the Reading window, clicked for real where they show.

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

class TestCoBrand : public QObject {
    Q_OBJECT
private slots:
    void coBrandDraw_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("just below 1/6") << 1.0 / 6 - 1e-9 << 1;
        QTest::newRow("1/6") << 1.0 / 6 << 2;
        QTest::newRow("0.4") << 0.4 << 3;
        QTest::newRow("1/2") << 0.5 << 4;
        QTest::newRow("0.7") << 0.7 << 5;
        QTest::newRow("5/6") << 5.0 / 6 << 6;
        QTest::newRow("just below 1") << 0.9999999 << 6;
    }
    void coBrandDraw() {
        QFETCH(double, r);
        QFETCH(int, number);
        QCOMPARE(coBrandNumberFor(r), number);

        FakePlatform fake;
        FrmMain reading(fake.platform());
        reading.Show();
        QVERIFY(QTest::qWaitForWindowExposed(reading.window()));
        fake.random.push({r});
        QCOMPARE(CoBrand_Randomize(reading, fake.random), number);
        QVERIFY(fake.random.script.empty()); // one draw, no more

        tossLines(reading.window(), fake.random, 7, 6);
        FormWindow *window = reading.window();
        auto *spot = window->control<QLabel>(QStringLiteral("lblFullBrand"));
        QTRY_VERIFY(inView(spot));
        const bool coBrand = number % 2 != 0;
        QCOMPARE(nameOf(clickWhereShown(spot)),
                 coBrand ? QStringLiteral("lblCobrand") : QStringLiteral("lblFullBrand"));
        QCOMPARE(opened(fake.browser),
                 QStringList{address(coBrand ? "co-brand" : "fully-branded")});

        // Opened again later in the run, the window shows the layout's order.
        QTest::mouseClick(reading.window()->control<QPushButton>(QStringLiteral("cmdStartAgain")),
                          Qt::LeftButton);
        QVERIFY(!reading.isOpen());
        reading.Show();
        QVERIFY(QTest::qWaitForWindowExposed(reading.window()));
        tossLines(reading.window(), fake.random, 7, 6);
        spot = reading.window()->control<QLabel>(QStringLiteral("lblFullBrand"));
        QTRY_VERIFY(inView(spot));
        fake.browser.opened.clear();
        QCOMPARE(clickWhereShown(spot), spot);
        QCOMPARE(opened(fake.browser), QStringList{address("fully-branded")});
    }

    void coBrandDrawStaysInRange() {
        QCOMPARE(coBrandNumberFor(-0.5), 1);
        QCOMPARE(coBrandNumberFor(1.0), 6);
        QCOMPARE(coBrandNumberFor(std::nan("")), 1);
    }
};

HEXACLE_TEST_MAIN(TestCoBrand)
#include "tst_cobrand.moc"
