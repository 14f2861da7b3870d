// SPDX-License-Identifier: MIT
// The pictures the windows show: the coin icon and the hand pointers are the
// drawn ones, in the formats the windows expect, with the pointers over the
// link labels only.

#include "layout/form_window.h"
#include "layout/pictures.h"
#include "reading/changing_lines.h"
#include "support/opened_windows.h"
#include "support/test_main.h"
#include "texts/hexagram_catalogue.h"
#include "windows/frm_about_layout.h"
#include "windows/frm_main_layout.h"
#include "windows/frm_start_layout.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QtEndian>

#include <memory>

using namespace hexacle;
using namespace hexacle::test;

namespace {

// The drawn asset, as Qt's readers take it.
QString assetPath(const QString &name) {
    return QStringLiteral(HEXACLE_SOURCE_DIR "/assets/") + name;
}

QImage icoImage(const char *name) {
    QImageReader reader(assetPath(QLatin1String(name)));
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QSet<QString> linkLabels(const QWidget *window, bool colour) {
    if (qobject_cast<const QDialog *>(window))
        return colour ? QSet<QString>{} : QSet<QString>{"lblHomePage", "lblCoBrand"};
    return colour ? QSet<QString>{"lblFullBrand"} : QSet<QString>{"lblCobrand", "Label14"};
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void iconFilesAreWindowsIcons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("bytes");
        QTest::newRow("coin icon") << "coin.ico" << 8 << 2238;
        QTest::newRow("colour hand") << "hand_colour.ico" << 4 << 766;
        QTest::newRow("monochrome hand") << "hand_mono.ico" << 1 << 326;
    }
    void iconFilesAreWindowsIcons() {
        QFETCH(QString, name);
        QFETCH(int, bits);
        QFETCH(int, bytes);
        QFile file(assetPath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QCOMPARE(data.size(), bytes);
        const auto *raw = reinterpret_cast<const uchar *>(data.constData());
        QCOMPARE(qFromLittleEndian<quint16>(raw + 2), quint16(1)); // an icon
        QCOMPARE(qFromLittleEndian<quint16>(raw + 4), quint16(1)); // one image
        QCOMPARE(qFromLittleEndian<quint16>(raw + 22 + 14), quint16(bits));

        // Qt's icon reader must take it, with its see-through parts.
        QImageReader reader(file.fileName());
        QCOMPARE(reader.format(), QByteArray("ico"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 31)), 0);
        QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
    }

    // The coin pictures are GIF89a files with a 16-colour global palette.
    void coinPicturesHaveSixteenColourPalettes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("side");
        for (const char *name : {"coin.gif", "pics/heads.gif", "pics/tails.gif"}) {
            QTest::newRow(name) << QString::fromLatin1(name) << 60;
            const QString larger = QString::fromLatin1(name).replace(".gif", "@2x.gif");
            QTest::newRow(qPrintable(larger)) << larger << 120;
        }
    }
    void coinPicturesHaveSixteenColourPalettes() {
        QFETCH(QString, name);
        QFETCH(int, side);
        QFile file(QStringLiteral(HEXACLE_SOURCE_DIR "/assets/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(data.size() > 13 + 48);
        QCOMPARE(data.left(6), QByteArray("GIF89a"));
        const auto *raw = reinterpret_cast<const uchar *>(data.constData());
        QCOMPARE(int(qFromLittleEndian<quint16>(raw + 6)), side);
        QCOMPARE(int(qFromLittleEndian<quint16>(raw + 8)), side);
        const uchar packed = raw[10];
        QVERIFY(packed & 0x80);          // a global colour table follows
        QCOMPARE(2 << (packed & 7), 16); // of 16 entries
        // What follows the 48 bytes of the table is an extension or an image.
        QVERIFY(raw[13 + 48] == 0x21 || raw[13 + 48] == 0x2C);
        const QImage image(file.fileName());
        QCOMPARE(image.size(), QSize(side, side));
        QVERIFY(image.colorCount() <= 16);
    }

    void coinIconIsACashCoin() {
        const QImage coin = icoImage("coin.ico");
        QCOMPARE(qAlpha(coin.pixel(16, 16)), 0); // the square hole
        QCOMPARE(qAlpha(coin.pixel(0, 0)), 0);   // round, not square
        QCOMPARE(qAlpha(coin.pixel(16, 4)), 255);
        QCOMPARE(qAlpha(coin.pixel(4, 16)), 255);
        QCOMPARE(qAlpha(coin.pixel(12, 12)), 255); // the hole's border
    }

    void handHotSpotIsTheFingertip() {
        for (const char *name : {"hand_colour.ico", "hand_mono.ico"}) {
            const QImage hand = icoImage(name);
            const QPoint hotSpot = layout::monoHandPointer().hotSpot();
            QCOMPARE(layout::colourHandPointer().hotSpot(), hotSpot);
            QCOMPARE(qAlpha(hand.pixel(hotSpot)), 255);
            // Nothing of the hand above the hot spot's row: it is the tip.
            for (int y = 0; y < hotSpot.y(); ++y)
                for (int x = 0; x < 32; ++x)
                    QCOMPARE(qAlpha(hand.pixel(x, y)), 0);
            int topmost = 0;
            for (int x = 0; x < 32; ++x)
                topmost += qAlpha(hand.pixel(x, hotSpot.y())) ? 1 : 0;
            QVERIFY(topmost <= 2);
        }
        // The two pointers are of two kinds.
        QVERIFY(icoImage("hand_colour.ico") != icoImage("hand_mono.ico"));
    }

    void windowsCarryTheCoinIcon() {
        const Windows windows;
        const QImage coin = icoImage("coin.ico");
        for (QWidget *window : windows.all()) {
            const QImage shown = window->windowIcon().pixmap(32, 32).toImage().convertToFormat(
                QImage::Format_ARGB32);
            QCOMPARE(shown, coin);
        }
    }

    void handPointersOverLinkLabelsOnly() {
        const Windows windows;
        const QImage colour = icoImage("hand_colour.ico");
        const QImage mono = icoImage("hand_mono.ico");
        for (QWidget *window : windows.all()) {
            int links = 0;
            for (const QLabel *label : window->findChildren<QLabel *>()) {
                const bool isColour = linkLabels(window, true).contains(label->objectName());
                const bool isMono = linkLabels(window, false).contains(label->objectName());
                if (!isColour && !isMono) {
                    QVERIFY2(label->cursor().shape() == Qt::ArrowCursor, qPrintable(where(label)));
                    continue;
                }
                ++links;
                const QCursor pointer = label->cursor();
                QCOMPARE(pointer.shape(), Qt::BitmapCursor);
                QCOMPARE(pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                         isColour ? colour : mono);
                QCOMPARE(pointer.hotSpot(), layout::monoHandPointer().hotSpot());
                QVERIFY2(label->font().underline(), qPrintable(where(label)));
            }
            QCOMPARE(links, linkLabels(window, true).size() + linkLabels(window, false).size());
            QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        }
    }
};

HEXACLE_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"
