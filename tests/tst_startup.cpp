// SPDX-License-Identifier: MIT
// What start-up leaves out or does once must come out as if done in full:
// the Reading window's lower band, built just after the window shows; the
// layout fonts, resolved once to installed families; and the pictures inside
// the program, PNG copies of the drawn GIF and ICO assets.

#include "layout/build.h"
#include "layout/font_cache.h"
#include "layout/form_window.h"
#include "support/fake_platform.h"
#include "support/test_main.h"
#include "windows/frm_main.h"
#include "windows/frm_main_layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace hexacle;
using namespace hexacle::test;

namespace {

// Every control of a window as built: kind, place, stacking, font, texts,
// colours, pointer, focus and what a screen reader is told; then the order
// Tab takes through the controls.
QStringList builtControls(QWidget *client) {
    QStringList lines;
    for (QWidget *w : client->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QWidget *parent = w->parentWidget();
        QStringList line{
            name,
            QString::fromLatin1(w->metaObject()->className()),
            parent->objectName(),
            QString::number(parent->children().indexOf(w)),
            QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height()),
            w->font().toString(),
            QString::number(w->focusPolicy()),
            QString::number(w->cursor().shape()),
            w->accessibleName(),
            w->property("tag").toString(),
            QString::number(w->autoFillBackground())};
        for (QPalette::ColorRole role :
             {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text})
            line << w->palette().color(role).name();
        if (auto *label = qobject_cast<QLabel *>(w))
            line << label->text() << QString::number(label->alignment())
                 << QString::number(label->wordWrap())
                 << QString::number(
                        qHashBits(label->pixmap().toImage().constBits(),
                                  std::size_t(label->pixmap().toImage().sizeInBytes())));
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            line << button->text() << QString::number(button->isEnabled());
        if (auto *box = qobject_cast<QPlainTextEdit *>(w))
            line << QString::number(box->isReadOnly())
                 << QString::number(box->verticalScrollBarPolicy())
                 << QString::number(box->textInteractionFlags());
        lines << line.join(QLatin1Char('|'));
    }
    lines.sort();
    QStringList chain;
    QWidget *w = client;
    for (int step = 0; step < 500; ++step) {
        w = w->nextInFocusChain();
        if (w == client)
            break;
        if (client->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
            !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            chain << w->objectName();
    }
    lines << QStringLiteral("tab: ") + chain.join(QLatin1Char(' '));
    return lines;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<FrmMain> reading;

    FormWindow *openReading() {
        reading = std::make_unique<FrmMain>(fake->platform());
        reading->Show();
        return reading->window();
    }
    QWidget *built(const char *name) const {
        return reading->window()->client()->findChild<QWidget *>(QLatin1String(name));
    }

private slots:
    void init() { fake = std::make_unique<FakePlatform>(); }
    void cleanup() {
        reading.reset();
        fake.reset();
    }

    void lowerBandIsBuiltOnceTheWindowShowsAsIfBuiltAtOnce() {
        FormWindow *window = openReading();
        QVERIFY(built("cmdToss"));
        QVERIFY(!built("Label13"));
        QVERIFY(!built("lblFullBrand")); // inside a frame of the lower band
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(built("lblFullBrand"));

        // Hidden while the window is short, as the band always was.
        for (const char *name : {"Label13", "txtJudgement", "cmdStartAgain", "fraFullBrand"}) {
            QVERIFY2(built(name)->isHidden(), name);
            QVERIFY2(!built(name)->isVisible(), name);
        }
        QVERIFY(built("lblFullBrand")->isVisibleTo(built("fraFullBrand")));

        FormWindow whole(frmMainLayout());
        // What opening the window changed on purpose: the querent box's text
        // and the band out of view.
        layout::showText(
            whole.control<QPlainTextEdit>(QStringLiteral("txtUserInfo")),
            window->control<QPlainTextEdit>(QStringLiteral("txtUserInfo"))->toPlainText());
        QCOMPARE(builtControls(window->client()), builtControls(whole.client()));
    }

    void lowerBandControlAskedForEarlyIsBuiltAtOnceAndHidden() {
        FormWindow *window = openReading();
        QVERIFY(!built("txtImage"));
        auto *image = window->control<QPlainTextEdit>(QStringLiteral("txtImage"));
        QVERIFY(image);
        QVERIFY(built("lblCobrand"));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(image->isHidden());
        QVERIFY(!built("cmdExit_1")->isVisible());
        // Asked for once more, the same control: nothing is built twice.
        QCOMPARE(window->control<QPlainTextEdit>(QStringLiteral("txtImage")), image);
        QCOMPARE(window->client()->findChildren<QWidget *>(QStringLiteral("txtImage")).size(), 1);
    }

    void stepsWaitingForTheLowerBandRunWhenItIsBuilt() {
        FormWindow *window = openReading();
        QStringList seen;
        QVERIFY(window->whenBuilt(QStringLiteral("lblCobrand"),
                                  [&](QWidget *w) { seen << w->objectName(); }));
        QVERIFY(window->whenBuilt(QStringLiteral("cmdToss"),
                                  [&](QWidget *w) { seen << w->objectName(); }));
        QVERIFY(!window->whenBuilt(QStringLiteral("noSuchControl"),
                                   [&](QWidget *) { seen << QStringLiteral("none"); }));
        QCOMPARE(seen, QStringList{"cmdToss"});
        QVERIFY(window->buildLater());
        QCOMPARE(seen, (QStringList{"cmdToss", "lblCobrand"}));
        QVERIFY(!window->buildLater());
    }

    void layoutFontsAreTheFontsQtWouldSubstitute_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("underline");
        QTest::newRow("Verdana 8.25") << "Verdana" << 8.25 << 400 << false;
        QTest::newRow("Verdana 8.25 bold underlined") << "Verdana" << 8.25 << 700 << true;
        QTest::newRow("Verdana 9.75") << "Verdana" << 9.75 << 400 << false;
        QTest::newRow("Verdana 9.75 bold") << "Verdana" << 9.75 << 700 << false;
        QTest::newRow("Arial Black 12 heavy") << "Arial Black" << 12.0 << 900 << false;
        QTest::newRow("MS Sans Serif 9.75 bold") << "MS Sans Serif" << 9.75 << 700 << false;
    }
    void layoutFontsAreTheFontsQtWouldSubstitute() {
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(int, weight);
        QFETCH(bool, underline);
        const QByteArray name = family.toLatin1();
        const layout::Font font{name.constData(), points, weight, underline};
        const QFont shared = layout::sharedFont(font);
        QVERIFY(QFontDatabase::families().contains(shared.family()) ||
                !QFontDatabase::families().contains(layout::closeFamilies().first()));

        // The same font asked for by its own name, through Qt's substitutes
        // (which the start-up of the user interface installed).
        QFont asked(family);
        asked.setPointSizeF(points);
        asked.setWeight(weight >= 900 ? QFont::Black : weight >= 700 ? QFont::Bold : QFont::Normal);
        asked.setUnderline(underline);
        asked.setStyleHint(QFont::SansSerif);

        const QFontInfo got(shared), want(asked);
        QCOMPARE(got.family(), want.family());
        QCOMPARE(got.styleName(), want.styleName());
        QCOMPARE(got.weight(), want.weight());
        QCOMPARE(got.pixelSize(), want.pixelSize());
        QCOMPARE(shared.underline(), underline);
        const QString sample = QStringLiteral("Hexacle ------ x ------ The Judgement: Wg&");
        const QFontMetricsF a(shared), b(asked);
        QCOMPARE(a.horizontalAdvance(sample), b.horizontalAdvance(sample));
        QCOMPARE(a.height(), b.height());
        QCOMPARE(a.ascent(), b.ascent());
        // Asked for again, the same font.
        QCOMPARE(layout::sharedFont(font), shared);
    }

    void embeddedPicturesAreTheDrawnAssetsPixelForPixel_data() {
        QTest::addColumn<QString>("asset");
        QTest::addColumn<QString>("copy");
        QTest::newRow("coin picture") << "coin.gif"
                                      << "coin.png";
        QTest::newRow("coin picture, twice the size") << "coin@2x.gif"
                                                      << "coin@2x.png";
        QTest::newRow("coin icon") << "coin.ico"
                                   << "coin_icon.png";
        QTest::newRow("colour hand") << "hand_colour.ico"
                                     << "hand_colour.png";
        QTest::newRow("monochrome hand") << "hand_mono.ico"
                                         << "hand_mono.png";
    }
    void embeddedPicturesAreTheDrawnAssetsPixelForPixel() {
        QFETCH(QString, asset);
        QFETCH(QString, copy);
        QFile embedded(QStringLiteral(":/hexacle/") + copy);
        QVERIFY(embedded.open(QIODevice::ReadOnly));
        const QByteArray bytes = embedded.readAll();
        QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n"));
        QImage mine = QImage::fromData(bytes, "png");
        QImage drawn(QStringLiteral(HEXACLE_SOURCE_DIR "/assets/") + asset);
        // Pixels only: Qt takes a ratio of 2 from an "@2x" file name.
        mine.setDevicePixelRatio(1);
        drawn.setDevicePixelRatio(1);
        QVERIFY(!drawn.isNull());
        QCOMPARE(mine.size(), drawn.size());
        QCOMPARE(mine.hasAlphaChannel(), drawn.hasAlphaChannel());
        QCOMPARE(mine.convertToFormat(QImage::Format_ARGB32),
                 drawn.convertToFormat(QImage::Format_ARGB32));
    }
};

HEXACLE_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
