// SPDX-License-Identifier: MIT
// One toss of the Reading window, from the click on "Toss Coins" until every
// glyph label, text box and coin picture holds its new content, the coin faces
// read from disk as the program reads them. Runs on any Qt platform; the
// figures in the README come from the offscreen one:
//     QT_QPA_PLATFORM=offscreen build/bench/bench_toss
// Prints the median of many single tosses (with and without painting the
// window), then Qt's own figure for a whole reading.

#include "layout/form_window.h"
#include "support/fake_platform.h"
#include "support/test_main.h"
#include "windows/frm_main.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

using namespace hexacle;
using namespace hexacle::test;

namespace {

QtMessageHandler testlibHandler = nullptr;

// Each opening of a window on the offscreen platform warns that the platform
// lacks window-manager calls; thousands of those would bury the figures.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    testlibHandler(type, context, message);
}

} // namespace

class BenchToss : public QObject {
    Q_OBJECT

    static constexpr int kSamples = 3000;

    FakePlatform fake;
    FrmMain form{fake.platform()};
    std::mt19937 coins{20261207};

    QPushButton *tossButton() const {
        return form.window()->control<QPushButton>(QStringLiteral("cmdToss"));
    }

    // A new Reading window, as Start Again leaves the reading state for it.
    void openFresh() {
        if (form.isOpen())
            form.window()->control<QPushButton>(QStringLiteral("cmdStartAgain"))->click();
        // Let the closed window go before the next one is built.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    }

    // Both faces turn up, so both pictures are read.
    void scriptCoins() {
        std::uniform_real_distribution<double> draw(0.0, 1.0);
        fake.random.push({draw(coins), draw(coins), draw(coins)});
    }

    void toss() { QTest::mouseClick(tossButton(), Qt::LeftButton); }

    // Median of single tosses in nanoseconds; the window is reopened, untimed,
    // whenever its reading is complete.
    qint64 medianToss(bool paint) {
        std::vector<qint64> samples;
        samples.reserve(kSamples);
        openFresh();
        QElapsedTimer timer;
        while (samples.size() < std::size_t(kSamples)) {
            if (!tossButton()->isEnabled())
                openFresh();
            scriptCoins();
            timer.start();
            toss();
            if (paint)
                form.window()->repaint();
            samples.push_back(timer.nsecsElapsed());
        }
        std::sort(samples.begin(), samples.end());
        const qint64 median = samples[samples.size() / 2];
        qInfo("one toss%s: median %.1f us, 90th percentile %.1f us over %d tosses",
              paint ? " and the window painted" : "", median / 1000.0,
              samples[samples.size() * 9 / 10] / 1000.0, kSamples);
        return median;
    }

private slots:
    void initTestCase() {
        testlibHandler = qInstallMessageHandler(quietPlatform);
        // Everything that happens once per run (fonts, the catalogue, the
        // picture plugin) is out of the way before anything is timed.
        openFresh();
        for (int i = 0; i < 6; ++i) {
            scriptCoins();
            toss();
        }
        QVERIFY(!tossButton()->isEnabled());
    }

    void singleToss() {
        const qint64 median = medianToss(false);
        QVERIFY(median > 0);
    }

    void singleTossPainted() {
        const qint64 median = medianToss(true);
        QVERIFY(median > 0);
    }

    // Qt's figure: a whole reading, opening the window and six tosses.
    void wholeReading() {
        QBENCHMARK {
            openFresh();
            for (int i = 0; i < 6; ++i) {
                scriptCoins();
                toss();
            }
        }
        QVERIFY(!tossButton()->isEnabled());
    }
};

HEXACLE_TEST_MAIN(BenchToss)
#include "bench_toss.moc"
