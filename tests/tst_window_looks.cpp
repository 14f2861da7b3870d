// SPDX-License-Identifier: MIT
// How the three windows look with the fonts of this machine: every caption
// shows whole and clear of its neighbours, and the promotion labels stack as
// laid out (tst_pictures has the icon, the coins and the hand pointers).

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

} // namespace

class TestWindowLooks : public QObject {
    Q_OBJECT

private slots:
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

HEXACLE_TEST_MAIN(TestWindowLooks)
#include "tst_window_looks.moc"
