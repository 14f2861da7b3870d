// SPDX-License-Identifier: MIT
// Every line of every hexagram's texts shows as one line in its box of the
// Reading window, with the fonts this desktop has.

#include "layout/form_window.h"
#include "support/fake_platform.h"
#include "support/test_main.h"
#include "support/tossing.h"
#include "texts/hexagram_catalogue.h"
#include "windows/frm_main.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace hexacle;
using namespace hexacle::test;

class TestTextsFit : public QObject {
    Q_OBJECT
private slots:
    void everyLineFitsItsBox() {
        FakePlatform fake;
        FrmMain form(fake.platform());
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.window()));
        // The boxes show once the reading is complete.
        tossLines(form.window(), fake.random, 8, 6);
        QStringList tooWide;
        for (const char *name : {"txtJudgement", "txtImage"}) {
            auto *box = form.window()->control<QPlainTextEdit>(name);
            const QFontMetrics metrics(box->font());
            // The width a line has: the viewport less the document's margins.
            const int room =
                box->viewport()->width() - 2 * int(box->document()->documentMargin()) - 1;
            for (const HexagramEntry &entry : HexagramCatalogue::entries()) {
                const QString &text =
                    QLatin1String(name) == "txtJudgement" ? entry.judgement : entry.image;
                for (const QString &line : text.split(QLatin1String("\r\n"))) {
                    const int width = metrics.horizontalAdvance(line);
                    if (width > room)
                        tooWide << QStringLiteral("%1 in %2 (%3 > %4 px): %5")
                                       .arg(entry.title, QLatin1String(name))
                                       .arg(width)
                                       .arg(room)
                                       .arg(line);
                }
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1Char('\n'))));
    }
};

HEXACLE_TEST_MAIN(TestTextsFit)
#include "tst_texts_fit.moc"
