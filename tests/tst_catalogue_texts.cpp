// SPDX-License-Identifier: MIT
// The judgement and image texts must fit the Reading window's text boxes and
// keep the line layout they were written for; a fault names its hexagram.

#include "texts/hexagram_catalogue.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace hexacle;

namespace {

struct ExpectedShape {
    const char *key;
    int judgementLines;
    int imageLines;
};

// Line counts per hexagram, in catalogue order.
constexpr ExpectedShape kShapes[] = {
    {"111111", 2, 2}, {"111000", 3, 5}, {"111001", 1, 4}, {"111010", 4, 4}, {"111100", 4, 5},
    {"111110", 3, 4}, {"111101", 2, 4}, {"111011", 6, 5}, {"000111", 3, 5}, {"000000", 8, 3},
    {"000001", 2, 7}, {"000010", 7, 6}, {"000100", 2, 4}, {"000110", 3, 5}, {"000101", 3, 4},
    {"000011", 6, 4}, {"001111", 6, 5}, {"001000", 6, 7}, {"001001", 5, 4}, {"001010", 4, 4},
    {"001100", 5, 4}, {"001110", 3, 4}, {"001101", 2, 4}, {"001011", 2, 4}, {"010111", 6, 4},
    {"010000", 3, 4}, {"010001", 5, 4}, {"010010", 3, 4}, {"010100", 7, 4}, {"010110", 4, 4},
    {"010101", 4, 5}, {"010011", 5, 4}, {"100111", 2, 3}, {"100000", 2, 5}, {"100001", 7, 5},
    {"100010", 4, 4}, {"100100", 5, 5}, {"100110", 4, 4}, {"100101", 3, 6}, {"100011", 3, 4},
    {"110111", 2, 4}, {"110000", 5, 5}, {"110001", 3, 3}, {"110010", 7, 3}, {"110100", 5, 4},
    {"110110", 3, 5}, {"110101", 2, 4}, {"110011", 4, 6}, {"101111", 4, 4}, {"101000", 2, 4},
    {"101001", 4, 4}, {"101010", 4, 5}, {"101100", 3, 5}, {"101110", 1, 4}, {"101101", 3, 4},
    {"101011", 5, 4}, {"011111", 2, 4}, {"011000", 4, 6}, {"011001", 3, 5}, {"011010", 2, 4},
    {"011100", 7, 4}, {"011110", 4, 3}, {"011101", 1, 4}, {"011011", 2, 4},
};

constexpr int kJudgementLinesTotal = 241;
constexpr int kImageLinesTotal = 278;
constexpr int kMaxLineLength = 70;
// Whole texts, each line break counting as its two characters.
constexpr int kMaxJudgementLength = 347;
constexpr int kMaxImageLength = 242;

const QString kBreak = QStringLiteral("\r\n");

const ExpectedShape *shapeFor(const QString &key) {
    for (const ExpectedShape &shape : kShapes)
        if (key == QLatin1String(shape.key))
            return &shape;
    return nullptr;
}

QString trigramName(QStringView code) {
    static const QHash<QString, QString> names = {
        {"111", "Heaven"},   {"000", "Earth"}, {"001", "Thunder"}, {"010", "Water"},
        {"100", "Mountain"}, {"110", "Wind"},  {"101", "Fire"},    {"011", "Lake"},
    };
    return names.value(code.toString());
}

// Plain ASCII letters and digits, the space and common punctuation.
bool isAllowed(QChar c) {
    if (c.unicode() >= 128)
        return false;
    return c.isLetterOrNumber() || QStringLiteral(" .,;:'\"!?-()").contains(c);
}

// Every rule that one text breaks, each message starting with `label`.
QStringList textFaults(const QString &label, const QString &text, int expectedLines,
                       int maxLength) {
    QStringList faults;
    if (text.startsWith(kBreak) || text.endsWith(kBreak))
        faults << label + ": leading or trailing line break";
    if (text.size() > maxLength)
        faults << label + QStringLiteral(": %1 characters, at most %2 allowed")
                              .arg(text.size())
                              .arg(maxLength);
    const QStringList lines = text.split(kBreak);
    if (lines.size() != expectedLines)
        faults
            << label +
                   QStringLiteral(": %1 lines, expected %2").arg(lines.size()).arg(expectedLines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString where = label + QStringLiteral(" line %1").arg(i + 1);
        if (line.trimmed().isEmpty())
            faults << where + ": empty";
        if (line.size() > kMaxLineLength)
            faults << where + QStringLiteral(": %1 characters, at most %2 allowed")
                                  .arg(line.size())
                                  .arg(kMaxLineLength);
        for (QChar c : line) {
            if (!isAllowed(c)) {
                faults << where + QStringLiteral(": character U+%1 not allowed")
                                      .arg(c.unicode(), 4, 16, QLatin1Char('0'));
                break;
            }
        }
    }
    return faults;
}

QStringList entryFaults(const HexagramEntry &entry, const ExpectedShape &shape) {
    return textFaults(entry.title + " judgement", entry.judgement, shape.judgementLines,
                      kMaxJudgementLength) +
           textFaults(entry.title + " image", entry.image, shape.imageLines, kMaxImageLength);
}

QString joined(const QStringList &faults) {
    return faults.join(QLatin1Char('\n'));
}

// Set phrases of the old renderings; the texts say things in their own words.
const QStringList kStockPhrases = {
    "superior man",         "furthers",      "no blame", "great water",
    "supreme success",      "sun at midday", "wells up", "drives over the water",
    "rises over the earth", "it is good to", "judgment",
};

// Every stock phrase (or the other spelling of "judgement") in one text.
QStringList phraseFaults(const QString &label, const QString &text) {
    QStringList faults;
    for (const QString &phrase : kStockPhrases)
        if (text.contains(phrase, Qt::CaseInsensitive))
            faults << label + ": uses \"" + phrase + "\"";
    return faults;
}

// The first three words of a line, lower-cased, or nothing for a shorter line.
QString opening(const QString &line) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z']+"));
    QStringList words;
    for (auto it = word.globalMatch(line); it.hasNext() && words.size() < 3;)
        words << it.next().captured().toLower();
    return words.size() == 3 ? words.join(QLatin1Char(' ')) : QString();
}

// Line openings that more than two entries share: a stock opener repeated
// across the catalogue makes the entries sound alike.
QStringList repeatedOpenings(const std::vector<HexagramEntry> &entries) {
    QMap<QString, QStringList> titlesByOpening;
    for (const HexagramEntry &entry : entries) {
        QSet<QString> seen;
        for (const QString &text : {entry.judgement, entry.image})
            for (const QString &line : text.split(kBreak))
                if (const QString o = opening(line); !o.isEmpty() && !seen.contains(o)) {
                    seen.insert(o);
                    titlesByOpening[o] << entry.title;
                }
    }
    QStringList faults;
    for (auto it = titlesByOpening.cbegin(); it != titlesByOpening.cend(); ++it)
        if (it.value().size() > 2)
            faults << QStringLiteral("\"%1\" opens lines in %2")
                          .arg(it.key(), it.value().join(QStringLiteral(", ")));
    return faults;
}

} // namespace

class TestCatalogueTexts : public QObject {
    Q_OBJECT
private slots:
    // The expected counts must describe the catalogue as a whole, so a slip in
    // the table above cannot hide a wrong entry.
    void shapeTableCoversCatalogue() {
        int judgementLines = 0;
        int imageLines = 0;
        QSet<QString> keys;
        for (const ExpectedShape &shape : kShapes) {
            judgementLines += shape.judgementLines;
            imageLines += shape.imageLines;
            keys.insert(QLatin1String(shape.key));
        }
        QCOMPARE(judgementLines, kJudgementLinesTotal);
        QCOMPARE(imageLines, kImageLinesTotal);
        QCOMPARE(keys.size(), qsizetype(std::size(kShapes)));

        const auto &entries = HexagramCatalogue::entries();
        QCOMPARE(entries.size(), std::size(kShapes));
        for (std::size_t i = 0; i < entries.size(); ++i)
            QCOMPARE(entries[i].key, QLatin1String(kShapes[i].key));
    }

    void everyTextHasItsShape() {
        QStringList faults;
        int judgementLines = 0;
        int imageLines = 0;
        for (const HexagramEntry &entry : HexagramCatalogue::entries()) {
            const ExpectedShape *shape = shapeFor(entry.key);
            if (!shape) {
                faults << entry.title + ": no expected shape";
                continue;
            }
            faults << entryFaults(entry, *shape);
            judgementLines += entry.judgement.count(kBreak) + 1;
            imageLines += entry.image.count(kBreak) + 1;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(joined(faults)));
        QCOMPARE(judgementLines, kJudgementLinesTotal);
        QCOMPARE(imageLines, kImageLinesTotal);
    }

    // The image is read beside the drawn figure, so it names the figure's
    // upper and lower trigrams; a key read the wrong way round shows here.
    void imagesNameTheirTrigrams() {
        QStringList faults;
        for (const HexagramEntry &entry : HexagramCatalogue::entries()) {
            const QString upper = trigramName(QStringView(entry.key).mid(3, 3)) + " above";
            const QString lower = trigramName(QStringView(entry.key).first(3)) + " below";
            if (!entry.image.contains(upper) || !entry.image.contains(lower))
                faults << entry.title + ": image should name \"" + upper + "\" and \"" + lower +
                              "\"";
        }
        QVERIFY2(faults.isEmpty(), qPrintable(joined(faults)));
    }

    void textsAreDistinct() {
        QStringList faults;
        QHash<QString, QString> seen; // text -> where it first appeared
        for (const HexagramEntry &entry : HexagramCatalogue::entries()) {
            const std::pair<QString, QString> texts[] = {
                {entry.title + " judgement", entry.judgement},
                {entry.title + " image", entry.image}};
            for (const auto &[where, text] : texts) {
                if (seen.contains(text))
                    faults << where + ": same text as " + seen.value(text);
                else
                    seen.insert(text, where);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(joined(faults)));
    }

    void noStockPhrases() {
        QStringList faults;
        for (const HexagramEntry &entry : HexagramCatalogue::entries())
            faults << phraseFaults(entry.title + " judgement", entry.judgement)
                   << phraseFaults(entry.title + " image", entry.image);
        QVERIFY2(faults.isEmpty(), qPrintable(joined(faults)));

        // The check itself: case does not hide a phrase, and a clean text passes.
        QCOMPARE(phraseFaults("7 Broken judgement", "Seek him out.\r\nNo Blame."),
                 QStringList{"7 Broken judgement: uses \"no blame\""});
        QCOMPARE(phraseFaults("7 Broken image", "Weigh each judgment."),
                 QStringList{"7 Broken image: uses \"judgment\""});
        QVERIFY(phraseFaults("7 Good", "Weigh each judgement calmly.").isEmpty());
    }

    void lineOpeningsVary() {
        const QStringList faults = repeatedOpenings(HexagramCatalogue::entries());
        QVERIFY2(faults.isEmpty(), qPrintable(joined(faults)));

        // Two entries may share an opening; a third one is caught, whatever
        // the case and punctuation, and a line used twice in one entry
        // counts once.
        std::vector<HexagramEntry> sample{
            {"111111", "1 A", "It is wise to wait.\r\nIt is wise to rest.", "Short.\r\nTwo."},
            {"000000", "2 B", "Rest now.", "It is wise, then.\r\nThree."},
        };
        QVERIFY2(repeatedOpenings(sample).isEmpty(), qPrintable(joined(repeatedOpenings(sample))));
        sample.push_back({"001001", "51 C", "Go on.", "Thunder.\r\nit IS wise: go."});
        QCOMPARE(repeatedOpenings(sample),
                 QStringList{"\"it is wise\" opens lines in 1 A, 2 B, 51 C"});
    }

    // The checks above pass on good data; here each rule is shown to catch a
    // broken text and to name the entry it belongs to.
    void faultsNameTheBrokenEntry() {
        const HexagramEntry good{"111111", "1 Test", "First line.\r\nSecond line.",
                                 "Heaven above, Heaven below:\r\nsecond line."};
        const ExpectedShape shape{"111111", 2, 2};
        QVERIFY2(entryFaults(good, shape).isEmpty(), qPrintable(joined(entryFaults(good, shape))));

        struct Broken {
            const char *why;
            QString judgement;
            QString image;
            const char *expected;
        };
        const QString longLine(kMaxLineLength + 1, QLatin1Char('a'));
        const QString fullLine(kMaxLineLength, QLatin1Char('a'));
        const QString fiveFull = QStringList(5, fullLine).join(kBreak); // 5*70 + 4*2 = 358
        const Broken broken[] = {
            {"too many lines", "One.\r\nTwo.\r\nThree.", good.image, "judgement: 3 lines"},
            {"too few lines", good.judgement, "Only one.", "image: 1 lines"},
            {"long line", good.judgement, "Fine.\r\n" + longLine, "image line 2: 71 characters"},
            {"long text", good.judgement, QStringList(4, fullLine.left(60)).join(kBreak),
             "image: 246 characters"},
            {"long judgement", fiveFull, good.image, "judgement: 358 characters"},
            {"empty line", "One.\r\n\r\nThree.", good.image, "judgement line 2: empty"},
            {"blank line", "One.\r\n   ", good.image, "judgement line 2: empty"},
            {"trailing break", "One.\r\nTwo.\r\n", good.image, "judgement: leading or trailing"},
            {"leading break", good.judgement, "\r\nOne.\r\nTwo.", "image: leading or trailing"},
            {"non-ASCII letter", QString::fromUtf8("Caf\u00e9.\r\nTwo."), good.image,
             "judgement line 1: character U+00e9"},
            {"bare newline", "One.\nTwo.\r\nThree.", good.image,
             "judgement line 1: character U+000a"},
            {"tab", good.judgement, "One.\r\nTwo\t.", "image line 2: character U+0009"},
            {"odd punctuation", "One & two.\r\nThree.", good.image,
             "judgement line 1: character U+0026"},
        };
        for (const Broken &b : broken) {
            const HexagramEntry entry{good.key, "7 Broken", b.judgement, b.image};
            const QString faults = joined(entryFaults(entry, shape));
            QVERIFY2(faults.contains(QStringLiteral("7 Broken ") + b.expected),
                     qPrintable(QStringLiteral("%1: got \"%2\"").arg(b.why, faults)));
        }
    }
};

QTEST_APPLESS_MAIN(TestCatalogueTexts)
#include "tst_catalogue_texts.moc"
