// SPDX-License-Identifier: MIT
// How the three windows look with the fonts of this machine: every caption
// shows whole and clear of its neighbours, the coin icon and the hand
// pointers are the drawn ones, and the promotion labels stack as laid out.

#include "forms/form_window.h"
#include "forms/frm_about_layout.h"
#include "forms/frm_main_layout.h"
#include "forms/frm_start_layout.h"
#include "forms/promotion_texts.h"
#include "reading/changing_lines.h"
#include "texts/hexagram_catalogue.h"

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

namespace {

// The three windows as they open, without their handlers.
struct Windows {
    Windows()
        : start(std::make_unique<FormWindow>(frmStartLayout())),
          reading(std::make_unique<FormWindow>(frmMainLayout())),
          about(std::make_unique<FormDialog>(frmAboutLayout())) {
        // The Reading window as it stands after the sixth toss, all of it in view.
        reading->setOuterGeometry(frmMainComplete());
        for (QWidget *window : all()) {
            window->show();
            if (!QTest::qWaitForWindowExposed(window))
                qWarning("%s did not show", window->metaObject()->className());
        }
    }
    std::unique_ptr<FormWindow> start, reading;
    std::unique_ptr<FormDialog> about;
    QList<QWidget *> all() const { return {start.get(), reading.get(), about.get()}; }
};

QString where(const QWidget *w) {
    return w->window()->metaObject()->className() + QStringLiteral("/") + w->objectName();
}

// Where a label's text lands, in the coordinates of `root`.
QRect textArea(const QLabel *label, const QWidget *root) {
    const QRect box = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text = QFontMetrics(label->font()).boundingRect(box, flags, label->text());
    return text.translated(label->mapTo(root, QPoint()));
}

bool labelFits(const QLabel *label, const QString &text, QString *why) {
    const QRect box = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(label->font()).boundingRect(box, flags, text);
    *why = QStringLiteral("%1 \"%2\" needs %3x%4 at %5,%6 in %7x%8")
               .arg(where(label), text.left(30))
               .arg(needed.width())
               .arg(needed.height())
               .arg(needed.x())
               .arg(needed.y())
               .arg(box.width())
               .arg(box.height());
    return box.contains(needed);
}

bool buttonFits(const QPushButton *button, QString *why) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QRect needed =
        QFontMetrics(button->font())
            .boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    *why = QStringLiteral("%1 needs %2x%3 in %4x%5")
               .arg(where(button))
               .arg(needed.width())
               .arg(needed.height())
               .arg(room.width())
               .arg(room.height());
    return room.contains(needed);
}

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

class TestWindowLooks : public QObject {
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

    void promotionLabelsStackWithTheFullBrandInFront() {
        const Windows windows;
        for (FormWindow *window : {windows.start.get(), windows.reading.get()}) {
            auto *full = window->control<QLabel>(QStringLiteral("lblFullBrand"));
            auto *co = window->control<QLabel>(QStringLiteral("lblCobrand"));
            QCOMPARE(full->parentWidget(), co->parentWidget());
            QCOMPARE(full->geometry(), co->geometry());
            QCOMPARE(full->parentWidget()->childAt(full->geometry().center()), full);
            QVERIFY(full->autoFillBackground()); // so the one behind does not show through
            QCOMPARE(full->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            // "&&" shows as one ampersand, and both spaces after it stay.
            QVERIFY(co->text().contains(QStringLiteral("site's name &  link here.")));
            QVERIFY(!co->text().contains(QStringLiteral("&&")));
            QCOMPARE(co->textFormat(), Qt::PlainText);
        }
    }

    void switchedOffAndQuietControls() {
        const Windows windows;
        for (FormWindow *window : {windows.start.get(), windows.reading.get()}) {
            QAction *makeMoney = window->menuAction(QStringLiteral("mnuMakeMoney"));
            QVERIFY(makeMoney && !makeMoney->isVisible() && !makeMoney->isEnabled());
        }
        // "Donate" presses on no key of its own; its "101" is a plain attribute.
        auto *donate = windows.reading->control<QPushButton>(QStringLiteral("cmdDonate"));
        QVERIFY(!donate->isDefault() && !donate->autoDefault());
        QCOMPARE(donate->property("tag").toString(), QStringLiteral("101"));
        QVERIFY(donate->toolTip().isEmpty());
    }

    void everyCaptionShowsWhole() {
        const Windows windows;
        QString why;
        int checked = 0;
        for (QWidget *window : windows.all()) {
            for (const QLabel *label : window->findChildren<QLabel *>()) {
                if (label->text().isEmpty())
                    continue;
                QVERIFY2(labelFits(label, label->text(), &why), qPrintable(why));
                ++checked;
            }
            for (const QPushButton *button : window->findChildren<QPushButton *>()) {
                QVERIFY2(buttonFits(button, &why), qPrintable(why));
                ++checked;
            }
        }
        QVERIFY(checked >= 20);

        // Texts the Reading window receives later: the line glyphs and every title.
        const QStringList glyphs{
            QString::fromLatin1(kGlyphOldYin), QString::fromLatin1(kGlyphSolid),
            QString::fromLatin1(kGlyphBroken), QString::fromLatin1(kGlyphOldYang)};
        for (int n = 1; n <= 12; ++n) {
            const auto *line = windows.reading->control<QLabel>(QStringLiteral("Label%1").arg(n));
            for (const QString &glyph : glyphs)
                QVERIFY2(labelFits(line, glyph, &why), qPrintable(why));
        }
        const auto *title = windows.reading->control<QLabel>(QStringLiteral("lblJudgement"));
        for (const HexagramEntry &entry : HexagramCatalogue::entries())
            QVERIFY2(labelFits(title, entry.title, &why), qPrintable(why));
    }

    void captionsStayClearOfEachOther() {
        const Windows windows;
        for (QWidget *window : windows.all()) {
            QWidget *client = window->findChild<QWidget *>(QStringLiteral("client"));
            if (!client)
                client = window;
            struct Area {
                const QWidget *widget;
                QRect rect;
            };
            QList<Area> areas;
            for (QWidget *w : client->findChildren<QWidget *>()) {
                if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                QRect rect;
                if (auto *label = qobject_cast<QLabel *>(w)) {
                    if (!label->pixmap().isNull())
                        rect = QRect(label->mapTo(client, QPoint()),
                                     label->pixmap().deviceIndependentSize().toSize());
                    else if (!label->text().isEmpty())
                        rect = textArea(label, client);
                    else
                        continue;
                    // A label's text must show inside its container.
                    const QWidget *parent = label->parentWidget();
                    const QRect inside =
                        parent == client
                            ? client->rect()
                            : parent->contentsRect().translated(parent->mapTo(client, QPoint()));
                    QVERIFY2(inside.contains(rect), qPrintable(where(label)));
                } else if (qobject_cast<QAbstractButton *>(w) || w->inherits("QLineEdit") ||
                           w->inherits("QPlainTextEdit")) {
                    rect = QRect(w->mapTo(client, QPoint()), w->size());
                } else {
                    continue;
                }
                areas.append({w, rect});
            }
            QVERIFY(areas.size() >= 8);
            for (qsizetype i = 0; i < areas.size(); ++i) {
                for (qsizetype j = i + 1; j < areas.size(); ++j) {
                    const Area &a = areas[i];
                    const Area &b = areas[j];
                    // The two promotion labels share their place on purpose.
                    if (a.widget->geometry() == b.widget->geometry() &&
                        a.widget->parentWidget() == b.widget->parentWidget())
                        continue;
                    QVERIFY2(!a.rect.intersects(b.rect),
                             qPrintable(where(a.widget) + QLatin1String(" overlaps ") +
                                        where(b.widget)));
                }
            }
        }
    }
};

QTEST_MAIN(TestWindowLooks)
#include "tst_window_looks.moc"
