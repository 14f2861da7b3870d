// SPDX-License-Identifier: MIT
// The windows on a screen with more device pixels to the pixel: the layout
// holds in logical pixels, and the coin pictures come from their larger
// drawings where those exist. ctest runs this at the screen's own ratio and
// again with QT_SCALE_FACTOR=2.

#include "layout/form_window.h"
#include "layout/geometry.h"
#include "layout/pictures.h"
#include "support/fake_platform.h"
#include "support/test_main.h"
#include "windows/frm_about_layout.h"
#include "windows/frm_main.h"
#include "windows/frm_main_layout.h"
#include "windows/frm_start_layout.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace hexacle;
using namespace hexacle::test;

namespace {

QImage rgb(const QImage &image) {
    QImage plain = image.convertToFormat(QImage::Format_RGB32);
    plain.setDevicePixelRatio(1);
    return plain;
}

QImage asset(const QString &name) {
    return rgb(QImage(QStringLiteral(HEXACLE_SOURCE_DIR "/assets/") + name));
}

// Every control of the table stands where its twips put it, in logical pixels.
void checkPlaces(QWidget *window, const layout::FormLayout &form) {
    for (const layout::Control &c : form.controls) {
        if (c.kind == layout::Kind::Line)
            continue;
        const QWidget *w = window->findChild<QWidget *>(QLatin1String(c.name));
        QVERIFY2(w, c.name);
        const QRect designed = layout::toPixels(c.left, c.top, c.width, c.height);
        QCOMPARE(w->pos(), designed.topLeft());
        if (c.flags & layout::AutoSize) {
            if (c.flags & layout::CoinPicture)
                QCOMPARE(w->size(), QSize(60, 60));
        } else {
            QCOMPARE(w->size(), designed.size());
        }
    }
}

} // namespace

class TestDisplay : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<FrmMain> form;

    qreal ratio() const { return form->window()->devicePixelRatioF(); }
    QLabel *coin(int k) const {
        return form->window()->control<QLabel>(QStringLiteral("picCoin_%1").arg(k));
    }
    void toss(std::initializer_list<double> draws) {
        fake->random.push(draws);
        QTest::mouseClick(form->window()->control<QPushButton>(QStringLiteral("cmdToss")),
                          Qt::LeftButton);
    }
    void putLargerFaces() {
        for (const char *name : {"heads@2x.gif", "tails@2x.gif"})
            QVERIFY(QFile::copy(QStringLiteral(HEXACLE_SOURCE_DIR "/assets/pics/") +
                                    QLatin1String(name),
                                fake->folder.picture(QLatin1String(name))));
    }

private slots:
    void init() {
        fake = std::make_unique<FakePlatform>();
        form = std::make_unique<FrmMain>(fake->platform());
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form->window()));
        // The lower band is built once the window has shown.
        QTRY_VERIFY(form->window()->client()->findChild<QWidget *>(QStringLiteral("lblFullBrand")));
    }
    void cleanup() {
        form.reset();
        fake.reset();
    }

    void runsAtTheRatioAskedFor() {
        const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
        if (!factor.isEmpty())
            QCOMPARE(ratio(), factor.toDouble());
        qInfo("device pixel ratio %g", ratio());
    }

    void layoutHoldsInLogicalPixels() {
        checkPlaces(form->window()->client(), frmMainLayout());
        // The short window shows the upper band and nothing of the lower.
        QWidget *client = form->window()->client();
        QVERIFY(client->height() >=
                form->window()->control<QWidget>("fraHexagram1")->geometry().bottom());
        QVERIFY(client->height() <= form->window()->control<QWidget>("Label13")->y());
        QCOMPARE(form->window()->frameGeometry().width(), 693); // 10400 twips
        FormWindow start(frmStartLayout());
        checkPlaces(start.client(), frmStartLayout());
        FormDialog about(frmAboutLayout());
        checkPlaces(&about, frmAboutLayout());
    }

    // The start picture: the larger drawing where the screen has the pixels.
    void coinPictureIsSharp() {
        const bool larger = ratio() > 1;
        for (int k = 0; k < 3; ++k) {
            const QPixmap shown = coin(k)->pixmap();
            QCOMPARE(shown.deviceIndependentSize(), QSizeF(60, 60));
            QCOMPARE(shown.devicePixelRatio(), larger ? 2.0 : 1.0);
            QCOMPARE(rgb(shown.toImage()), asset(larger ? "coin@2x.gif" : "coin.gif"));
        }
        FormDialog about(frmAboutLayout());
        const QPixmap icon = about.control<QLabel>(QStringLiteral("picIcon"))->pixmap();
        QCOMPARE(icon.devicePixelRatio(), larger ? 2.0 : 1.0);
    }

    void facesUseTheLargerDrawingBesideThem() {
        putLargerFaces();
        toss({0.9, 0.1, 0.9});
        const bool larger = ratio() > 1;
        for (int k = 0; k < 3; ++k) {
            const bool heads = k != 1;
            const QString name = QLatin1String(heads ? "heads" : "tails") +
                                 QLatin1String(larger ? "@2x.gif" : ".gif");
            QCOMPARE(rgb(coin(k)->pixmap().toImage()), asset(QStringLiteral("pics/") + name));
            QCOMPARE(coin(k)->size(), QSize(60, 60));
        }
    }

    void facesFallBackToThePlainDrawing() {
        putLargerFaces();
        // A larger heads cut off partway, and no larger tails at all.
        QFile cut(fake->folder.picture(QStringLiteral("heads@2x.gif")));
        QVERIFY(cut.resize(cut.size() / 2));
        QVERIFY(QFile::remove(fake->folder.picture(QStringLiteral("tails@2x.gif"))));
        toss({0.9, 0.1, 0.1});
        QCOMPARE(rgb(coin(0)->pixmap().toImage()), asset(QStringLiteral("pics/heads.gif")));
        QCOMPARE(rgb(coin(1)->pixmap().toImage()), asset(QStringLiteral("pics/tails.gif")));
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(coin(k)->pixmap().devicePixelRatio(), 1.0);
            QCOMPARE(coin(k)->size(), QSize(60, 60));
        }
    }

    // The plain file is the picture; its larger drawing only sharpens it.
    // Without a readable plain heads, heads leave the coins as they were.
    void largerDrawingDoesNotStandInForAMissingPicture() {
        putLargerFaces();
        toss({0.1, 0.1, 0.1});
        const QImage tails = rgb(coin(0)->pixmap().toImage());
        QVERIFY(QFile::remove(fake->folder.picture(QStringLiteral("heads.gif"))));
        toss({0.9, 0.9, 0.9});
        for (int k = 0; k < 3; ++k)
            QCOMPARE(rgb(coin(k)->pixmap().toImage()), tails);
        QCOMPARE(form->marksArray()[1], LineValue(9));
        // A plain file that cannot be read counts as missing too.
        QFile broken(fake->folder.picture(QStringLiteral("heads.gif")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        QVERIFY(broken.write("GIF89a") == 6);
        broken.close();
        toss({0.9, 0.9, 0.9});
        for (int k = 0; k < 3; ++k)
            QCOMPARE(rgb(coin(k)->pixmap().toImage()), tails);
        // At every ratio, whatever the widget's screen says.
        for (qreal ratio : {1.0, 1.5, 2.0, 3.0})
            QVERIFY(layout::loadPicture(fake->folder.picture(QStringLiteral("heads.gif")), ratio)
                        .isNull());
        QVERIFY(
            !layout::loadPicture(fake->folder.picture(QStringLiteral("tails.gif")), 2.0).isNull());
    }
};

HEXACLE_TEST_MAIN(TestDisplay)
#include "tst_display.moc"
