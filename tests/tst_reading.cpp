// SPDX-License-Identifier: MIT
// The reading's logic without any window: coins, digits, keys, glyphs, report
// and the catalogue lookup.

#include "reading/changing_lines.h"
#include "reading/derivation.h"
#include "reading/querent.h"
#include "texts/hexagram_catalogue.h"

#include <QSet>
#include <QTest>

using namespace hexacle;

namespace {

MarksArray marks(std::initializer_list<int> lines) {
    MarksArray result{};
    std::size_t slot = 0;
    for (int value : lines)
        result[slot++] = static_cast<LineValue>(value);
    return result;
}

QString primaryKey(const MarksArray &m) {
    const RefreshPass pass = refreshFrom(m);
    return hexagramKey(pass.digits.Bottom_H1, pass.digits.Top_H1);
}

QString secondKey(const MarksArray &m) {
    const RefreshPass pass = refreshFrom(m);
    return hexagramKey(pass.digits.Bottom_H2, pass.digits.Top_H2);
}

// King Wen numbers by trigram, computed from the lines rather than read from
// the catalogue: trigrams are numbered by their lines bottom to top
// (bit 0 the bottom line) and looked up in the classic lower/upper grid.
int kingWenNumber(int lowerBits, int upperBits) {
    // Grid order: Heaven, Thunder, Water, Mountain, Earth, Wind, Fire, Lake.
    static const int order[8] = {0b111, 0b001, 0b010, 0b100, 0b000, 0b110, 0b101, 0b011};
    static const int grid[8][8] = {
        // upper:  Hea Thu Wat Mou Ear Win Fir Lak      lower:
        {1, 34, 5, 26, 11, 9, 14, 43},    // Heaven
        {25, 51, 3, 27, 24, 42, 21, 17},  // Thunder
        {6, 40, 29, 4, 7, 59, 64, 47},    // Water
        {33, 62, 39, 52, 15, 53, 56, 31}, // Mountain
        {12, 16, 8, 23, 2, 20, 35, 45},   // Earth
        {44, 32, 48, 18, 46, 57, 50, 28}, // Wind
        {13, 55, 63, 22, 36, 37, 30, 49}, // Fire
        {10, 54, 60, 41, 19, 61, 38, 58}, // Lake
    };
    auto index = [](int bits) { return int(std::find(order, order + 8, bits) - order); };
    return grid[index(lowerBits)][index(upperBits)];
}

} // namespace

class TestReading : public QObject {
    Q_OBJECT
private slots:
    void coinFaces() {
        QCOMPARE(coinFaceFor(0.0), CoinFace::Tails);
        QCOMPARE(coinFaceFor(0.4999999), CoinFace::Tails);
        QCOMPARE(coinFaceFor(0.5), CoinFace::Tails); // halves round to even
        QCOMPARE(coinFaceFor(0.5000001), CoinFace::Heads);
        QCOMPARE(coinFaceFor(0.9999999), CoinFace::Heads);
        QCOMPARE(coinCount(CoinFace::Heads) * 3, 9);
        QCOMPARE(coinCount(CoinFace::Tails) * 3, 6);
    }

    void keys_data() {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("second");
        QTest::newRow("all young yang") << QList<int>{7, 7, 7, 7, 7, 7} << "111111"
                                        << "111111";
        QTest::newRow("all young yin") << QList<int>{8, 8, 8, 8, 8, 8} << "000000"
                                       << "000000";
        QTest::newRow("upper mountain") << QList<int>{7, 7, 7, 8, 8, 7} << "111100"
                                        << "111100";
        QTest::newRow("upper thunder") << QList<int>{7, 7, 7, 7, 8, 8} << "111001"
                                       << "111001";
        QTest::newRow("line 1 changes") << QList<int>{9, 7, 7, 8, 8, 8} << "111000"
                                        << "110000";
        QTest::newRow("six old yin") << QList<int>{6, 6, 6, 6, 6, 6} << "000000"
                                     << "111111";
        QTest::newRow("six old yang") << QList<int>{9, 9, 9, 9, 9, 9} << "111111"
                                      << "000000";
        QTest::newRow("four lines") << QList<int>{7, 8, 7, 9} << "1011"
                                    << "1010";
        QTest::newRow("nothing cast") << QList<int>{} << ""
                                      << "";
    }
    void keys() {
        QFETCH(QList<int>, lines);
        QFETCH(QString, primary);
        QFETCH(QString, second);
        MarksArray m{};
        for (int i = 0; i < lines.size(); ++i)
            m[std::size_t(i)] = LineValue(lines[i]);
        QCOMPARE(primaryKey(m), primary);
        QCOMPARE(secondKey(m), second);
    }

    void glyphsAndReport() {
        const RefreshPass pass = refreshFrom(marks({9, 7, 6, 8, 8, 9}));
        QCOMPARE(pass.report,
                 QStringLiteral("Line 1 Changed\r\nLine 3 Changed\r\nLine 6 Changed\r\n"));
        QCOMPARE(pass.glyphs[0]->primary, QStringLiteral("------ o ------"));
        QCOMPARE(pass.glyphs[0]->second, QStringLiteral("------    ------"));
        QCOMPARE(pass.glyphs[1]->primary, QStringLiteral("----------------"));
        QCOMPARE(pass.glyphs[1]->second, QStringLiteral("----------------"));
        QCOMPARE(pass.glyphs[2]->primary, QStringLiteral("------ x ------"));
        QCOMPARE(pass.glyphs[2]->second, QStringLiteral("----------------"));
        QCOMPARE(pass.glyphs[3]->primary, QStringLiteral("------    ------"));
        QCOMPARE(pass.glyphs[3]->second, QStringLiteral("------    ------"));
        QCOMPARE(QString(kGlyphSolid).size(), 16);
        QCOMPARE(QString(kGlyphOldYin).size(), 15);

        QCOMPARE(refreshFrom(marks({9, 7})).report, QStringLiteral("Line 1 Changed\r\n"));
        QCOMPARE(refreshFrom(marks({7, 8, 7, 8, 7, 8})).report, QString());
        QCOMPARE(refreshFrom(marks({6, 9, 6, 9, 6, 9})).report,
                 QStringLiteral("Line 1 Changed\r\nLine 2 Changed\r\nLine 3 Changed\r\n"
                                "Line 4 Changed\r\nLine 5 Changed\r\nLine 6 Changed\r\n"));
    }

    void uncastSlotsAreSkipped() {
        MarksArray m = marks({7, 0, 5, 9});
        m[6] = 9; // slot 6 is never read
        const RefreshPass pass = refreshFrom(m);
        QVERIFY(pass.glyphs[0]);
        QVERIFY(!pass.glyphs[1]);
        QVERIFY(!pass.glyphs[2]);
        QVERIFY(!pass.glyphs[4]);
        QCOMPARE(pass.report, QStringLiteral("Line 4 Changed\r\n"));
        QCOMPARE(hexagramKey(pass.digits.Bottom_H1, pass.digits.Top_H1), QStringLiteral("11"));
    }

    void everyKeyFindsItsKingWenTitle() {
        QSet<QString> keys;
        for (int bits = 0; bits < 64; ++bits) {
            // bits 0..5 are lines 1..6, set for yang.
            MarksArray m{};
            for (int line = 0; line < 6; ++line)
                m[std::size_t(line)] = (bits >> line) & 1 ? 7 : 8;
            const QString key = primaryKey(m);
            keys.insert(key);
            const HexagramEntry *entry = HexagramCatalogue::lookup(key);
            QVERIFY2(entry, qPrintable(key));
            const int expected = kingWenNumber(bits & 7, bits >> 3);
            QVERIFY2(entry->title.startsWith(QString::number(expected) + QLatin1Char(' ')),
                     qPrintable(key + QLatin1String(": ") + entry->title));
        }
        QCOMPARE(keys.size(), 64);
        QCOMPARE(HexagramCatalogue::entries().size(), std::size_t(64));
    }

    void catalogueTitlesAndOrder() {
        QCOMPARE(HexagramCatalogue::lookup("111001")->title,
                 QStringLiteral("34 Ta Chuang The Power of the Great"));
        QCOMPARE(HexagramCatalogue::lookup("111100")->title,
                 QStringLiteral("26 Ta Ch'u The Taming Power of the Great"));
        QCOMPARE(HexagramCatalogue::lookup("001011")->title, QStringLiteral("17 Sui Following"));
        QCOMPARE(HexagramCatalogue::lookup("011001")->title,
                 QStringLiteral("54 Kuei Mei The Marrying Maiden"));
        QCOMPARE(HexagramCatalogue::lookup("010100")->title,
                 QStringLiteral("4 Mo'^e'ng Youthful Folly"));
        // Grouped by lower trigram, then by upper, in trigram order.
        const QStringList trigrams{"111", "000", "001", "010", "100", "110", "101", "011"};
        const auto &entries = HexagramCatalogue::entries();
        for (std::size_t n = 0; n < entries.size(); ++n)
            QCOMPARE(entries[n].key, trigrams[int(n / 8)] + trigrams[int(n % 8)]);
    }

    void nameFilter() {
        QList<int> accepted;
        for (int code = 0; code < 256; ++code)
            if (isAcceptedNameCode(code))
                accepted << code;
        QCOMPARE(accepted.size(), 26 + 26 + 3);
        for (int code : std::initializer_list<int>{'A', 'Z', 'a', 'z', ' ', 8, 127})
            QVERIFY(isAcceptedNameCode(code));
        // Neighbours of the accepted ranges, digits, Enter, copy and paste, accents.
        for (int code :
             std::initializer_list<int>{'@', '[', '`', '{', '7', '.', 13, 3, 22, 9, 0xE9, 0x4E2D})
            QVERIFY2(!isAcceptedNameCode(code), qPrintable(QString::number(code)));
    }

    void trimmingAndInfo() {
        QCOMPARE(trimSpaces("   "), QString());
        QCOMPARE(trimSpaces("  Will it  rain?\r\nSoon  "),
                 QStringLiteral("Will it  rain?\r\nSoon"));
        QCOMPARE(trimSpaces("\tAnn\n"), QStringLiteral("\tAnn\n")); // only spaces go
        QCOMPARE(querentInfo("Ann", "Will it rain?"),
                 QStringLiteral("Name: Ann\r\n\r\nQuestion: Will it rain?"));
        QCOMPARE(querentInfo({}, {}), QStringLiteral("Name: \r\n\r\nQuestion: "));
    }

    void lookupIsExact() {
        for (const QString &key :
             {QString(), QStringLiteral("1"), QStringLiteral("11111"), QStringLiteral("1111111"),
              QStringLiteral(" 111111"), QStringLiteral("111111 "), QStringLiteral("11111x"),
              QStringLiteral("222222")})
            QVERIFY2(!HexagramCatalogue::lookup(key), qPrintable(key));
    }
};

QTEST_APPLESS_MAIN(TestReading)
#include "tst_reading.moc"
