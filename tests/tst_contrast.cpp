// SPDX-License-Identifier: MIT
// Every text of the three windows and of the message boxes stays legible
// whatever the desktop's colour scheme: the windows are drawn under a light,
// a dark and a high-contrast desktop palette, and each text that shows is
// measured in the drawn pixels against what lies behind it.

#include "desktop/desktop_platform.h"
#include "layout/colour_scheme.h"
#include "support/contrast.h"
#include "support/drawn_text.h"
#include "support/fake_platform.h"
#include "support/modal.h"
#include "support/test_main.h"
#include "windows/frm_about.h"
#include "windows/frm_main.h"
#include "windows/frm_start.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <map>

using namespace hexacle;
using namespace hexacle::test;

namespace {

QColor hex(const char *name) {
    return QColor(QLatin1String(name));
}

// The desktop palettes the program may meet.
QPalette lightDesktop() {
    return QApplication::style()->standardPalette();
}

// The dark scheme of the qt6ct platform theme ("darker").
QPalette darkDesktop() {
    QPalette p(hex("#ffffff"), hex("#424245"), hex("#979797"), hex("#302f2e"), hex("#4a4947"),
               hex("#ffffff"), hex("#ffffff"), hex("#3d3d3d"), hex("#222020"));
    p.setColor(QPalette::Midlight, hex("#5e5c5b"));
    p.setColor(QPalette::Shadow, hex("#e7e4e0"));
    p.setColor(QPalette::Highlight, hex("#12608a"));
    p.setColor(QPalette::HighlightedText, hex("#f9f9f9"));
    p.setColor(QPalette::Link, hex("#0986d3"));
    p.setColor(QPalette::AlternateBase, hex("#5c5b5a"));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, hex("#808080"));
    return p;
}

// White on black with yellow links, as high-contrast desktop schemes have it.
QPalette highContrastDesktop() {
    QPalette p(Qt::white, Qt::black, Qt::white, Qt::gray, Qt::darkGray, Qt::white, Qt::white,
               Qt::black, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0, 255, 255));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, Qt::yellow);
    return p;
}

// The three windows as a user meets them under the desktop palette
// `desktop`, keyed by window: the Querent window with a name and a question
// typed, the About window, the Reading window before and after a whole
// reading, and its File menu.
std::map<QString, QList<Measure>> measureProgram(const QPalette &desktop) {
    QApplication::setPalette(desktop);
    FakePlatform fake;
    std::map<QString, QList<Measure>> result;

    FrmStart start(fake.platform());
    start.Show();
    if (!QTest::qWaitForWindowActive(start.window()))
        qWarning("the Querent window did not become active");
    QTest::keyClicks(start.window()->control<QLineEdit>(QStringLiteral("txtName")), "Ada");
    auto *question = start.window()->control<QPlainTextEdit>(QStringLiteral("txtQuestion"));
    QTest::keyClick(start.window()->focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(question, "Will the harvest be good?");
    result["Querent"] = measureWindow(start.window(), QStringLiteral("Querent"));

    FrmAbout about(fake.platform());
    ModalVisit visit;
    answerModal(visit, [&](QDialog *dialog) {
        result["About"] = measureWindow(dialog, QStringLiteral("About"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    about.Show(start.window());
    if (!visit.seen)
        qWarning("the About window did not show");

    QTest::mouseClick(start.window()->control<QPushButton>(QStringLiteral("cmdProceed")),
                      Qt::LeftButton);
    FrmMain reading(fake.platform());
    reading.setQuerentSource(&start);
    reading.Show();
    if (!QTest::qWaitForWindowExposed(reading.window()))
        qWarning("the Reading window did not show");
    result["Reading"] = measureWindow(reading.window(), QStringLiteral("Reading"));
    // Its File menu, open.
    QTest::keyClick(reading.window(), Qt::Key_F, Qt::AltModifier);
    if (QWidget *menu = QApplication::activePopupWidget()) {
        result["Reading, File menu"] = measureWindow(menu, QStringLiteral("File menu"));
        QTest::keyClick(menu, Qt::Key_Escape);
    } else {
        qWarning("the File menu did not open");
    }

    // Old and young lines of both kinds, so that some lines change.
    auto *toss = reading.window()->control<QPushButton>(QStringLiteral("cmdToss"));
    for (int line : {9, 8, 6, 7, 9, 6}) {
        fake.random.pushLine(line);
        QTest::mouseClick(toss, Qt::LeftButton);
    }
    auto *lines = reading.window()->control<QPlainTextEdit>(QStringLiteral("txtChangeLines"));
    if (!QTest::qWaitFor([&] { return lines->visibleRegion().boundingRect().height() > 20; }))
        qWarning("the lower band did not come into view");
    result["Reading, whole"] = measureWindow(reading.window(), QStringLiteral("Reading"));
    reading.Close();
    start.Close();
    return result;
}

double lowest(const QList<Measure> &measures, QString *where = nullptr) {
    double low = 21;
    for (const Measure &m : measures)
        if (m.ratio < low) {
            low = m.ratio;
            if (where)
                *where = m.where;
        }
    return low;
}

// The texts below the 4.5:1 that text needs, with their contrast.
QStringList tooFaint(const QList<Measure> &measures) {
    QStringList faint;
    for (const Measure &m : measures)
        if (m.ratio < 4.5)
            faint << QStringLiteral("%1 %2:1").arg(m.where).arg(m.ratio, 0, 'f', 2);
    return faint;
}

} // namespace

Q_DECLARE_METATYPE(QPalette)

class TestContrast : public QObject {
    Q_OBJECT

    QPalette original_;

private slots:
    void initTestCase() { original_ = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(original_); }

    void contrastFollowsTheGuidelinesFormula() {
        QCOMPARE(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
        QCOMPARE(contrastRatio({64, 64, 0}, {64, 64, 0}), 1.0);
        // Either order.
        QCOMPARE(contrastRatio({0, 0, 255}, {255, 255, 255}),
                 contrastRatio({255, 255, 255}, {0, 0, 255}));
        QVERIFY(qAbs(contrastRatio({0, 0, 255}, {255, 255, 255}) - 8.59) < 0.01);
        QVERIFY(qAbs(contrastRatio({64, 64, 0}, {255, 255, 255}) - 10.76) < 0.01);
        // The grey that just passes for text on white, and the one that just fails.
        QVERIFY(contrastRatio({118, 118, 118}, {255, 255, 255}) >= 4.5);
        QVERIFY(contrastRatio({119, 119, 119}, {255, 255, 255}) < 4.5);
    }

    void everyTextIsLegible_data() {
        QTest::addColumn<QPalette>("desktop");
        QTest::newRow("light") << lightDesktop();
        QTest::newRow("dark") << darkDesktop();
        QTest::newRow("high contrast") << highContrastDesktop();
    }
    void everyTextIsLegible() {
        QFETCH(QPalette, desktop);
        const auto windows = measureProgram(desktop);
        QCOMPARE(windows.size(), std::size_t(5));
        QStringList illegible;
        for (const auto &[window, measures] : windows) {
            // Each shows several texts (the File menu three entries).
            QVERIFY2(measures.size() >= 3, qPrintable(window));
            QString where;
            const double low = lowest(measures, &where);
            qInfo("%s, %s desktop: lowest contrast %.2f:1 (%s)", qPrintable(window),
                  QTest::currentDataTag(), low, qPrintable(where));
            illegible += tooFaint(measures);
        }
        QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(QStringLiteral(", "))));
    }

    void highContrastKeepsTheLightDesignsContrast() {
        const auto light = measureProgram(lightDesktop());
        const auto high = measureProgram(highContrastDesktop());
        for (const auto &[window, measures] : light) {
            const QList<Measure> &other = high.at(window);
            QCOMPARE(other.size(), measures.size());
            for (qsizetype i = 0; i < measures.size(); ++i)
                QVERIFY2(other[i].ratio >= measures[i].ratio - 0.01, qPrintable(other[i].where));
        }
    }

    void messageBoxesTakeTheProgramsScheme_data() { everyTextIsLegible_data(); }
    void messageBoxesTakeTheProgramsScheme() {
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
        SystemMessageBoxes boxes;
        QList<Measure> measures;
        ModalVisit visit;
        answerModal(visit, [&](QDialog *dialog) {
            QCOMPARE(dialog->palette().color(QPalette::Window),
                     layout::lightScheme().color(QPalette::Window));
            measures = measureWindow(dialog, QStringLiteral("message"));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QVERIFY(boxes.askYesNo(nullptr, QStringLiteral("Hexacle"),
                               QStringLiteral("Look for a newer version now?")));
        QVERIFY(visit.seen && !visit.leftOpen);
        // The text and the Yes and No buttons.
        QVERIFY(measures.size() >= 3);
        qInfo("message box, %s desktop: lowest contrast %.2f:1", QTest::currentDataTag(),
              lowest(measures));
        const QStringList illegible = tooFaint(measures);
        QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(QStringLiteral(", "))));
    }
};

HEXACLE_TEST_MAIN(TestContrast)
#include "tst_contrast.moc"
