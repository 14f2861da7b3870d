// SPDX-License-Identifier: MIT
// The real generator: the four line values come out with the chances of
// three fair coins, and a biased generator is caught by the same test.

#include "platform/system_platform.h"
#include "reading/casting.h"

#include <QTest>

#include <array>

using namespace hexacle;

namespace {

// Chi-square of line-value counts against 1/8, 3/8, 3/8, 1/8.
double chiSquare(RandomSource &random, int lines) {
    std::array<int, 4> counts{};
    for (int i = 0; i < lines; ++i) {
        random.reseedFromClock();
        int value = 0;
        for (int coin = 0; coin < 3; ++coin)
            value += coinCount(coinFaceFor(random.next()));
        ++counts[std::size_t(value - 6)];
    }
    const std::array<double, 4> expected{lines / 8.0, 3 * lines / 8.0, 3 * lines / 8.0,
                                         lines / 8.0};
    double chi = 0;
    for (std::size_t v = 0; v < 4; ++v)
        chi += (counts[v] - expected[v]) * (counts[v] - expected[v]) / expected[v];
    return chi;
}

// 3 degrees of freedom: 21.11 is the 0.9999 quantile, so a fair generator
// fails about once in ten thousand runs; a 52% coin scores in the hundreds.
constexpr double kBound = 21.11;
constexpr int kLines = 200000;

class BiasedRandom final : public RandomSource {
public:
    explicit BiasedRandom(double heads) : heads_(heads) {}
    void reseedFromClock() override {}
    double next() override { return inner_.next() < heads_ ? 0.75 : 0.25; }

private:
    double heads_;
    ClockSeededRandom inner_;
};

} // namespace

class TestCastingStats : public QObject {
    Q_OBJECT
private slots:
    void fairGeneratorPasses() {
        ClockSeededRandom random;
        const double chi = chiSquare(random, kLines);
        qInfo("chi-square over %d lines: %.2f (bound %.2f)", kLines, chi, kBound);
        QVERIFY2(chi < kBound, qPrintable(QString::number(chi)));
    }

    void biasedGeneratorFails() {
        // Heads 52% of the time instead of half.
        BiasedRandom random(0.52);
        QVERIFY(chiSquare(random, kLines) > kBound);
    }

    void drawsStayInRange() {
        ClockSeededRandom random;
        for (int i = 0; i < 100000; ++i) {
            if (i % 100 == 0)
                random.reseedFromClock();
            const double r = random.next();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void quickReseedsDoNotRepeat() {
        // Reseeding twice within one clock tick must not repeat the toss.
        ClockSeededRandom random;
        QList<double> firsts;
        for (int i = 0; i < 1000; ++i) {
            random.reseedFromClock();
            firsts << random.next();
        }
        std::sort(firsts.begin(), firsts.end());
        QVERIFY(std::adjacent_find(firsts.begin(), firsts.end()) == firsts.end());
    }
};

QTEST_APPLESS_MAIN(TestCastingStats)
#include "tst_casting_stats.moc"
