// SPDX-License-Identifier: MIT
// The link labels of the three windows draw their plain text themselves,
// exactly as a plain label with the same text, font, colours and alignment
// draws it, whether or not they hold the focus, and so never need a text
// document of their own. Real windows, real Tab presses.

#include "layout/form_window.h"
#include "layout/link_label.h"
#include "support/test_main.h"
#include "windows/frm_about_layout.h"
#include "windows/frm_main_layout.h"
#include "windows/frm_start_layout.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace hexacle;

namespace {

// QLabel lays out the text of a label that can take the focus through a text
// document held by a QWidgetTextControl child.
bool hasTextDocument(const QLabel *label) {
    const auto children = label->findChildren<QObject *>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(), [](const QObject *child) {
        return qstrcmp(child->metaObject()->className(), "QWidgetTextControl") == 0;
    });
}

// What a label that never takes the focus, with everything else of `link`,
// draws, on the background that shows behind `link`.
QImage drawnAsPlainLabel(const QLabel *link) {
    const QWidget *backdrop = link->parentWidget();
    while (!backdrop->isWindow() && !backdrop->autoFillBackground())
        backdrop = backdrop->parentWidget();
    QWidget holder;
    holder.setPalette(backdrop->palette());
    holder.setBackgroundRole(backdrop->backgroundRole());
    holder.setAutoFillBackground(true);
    QLabel plain(&holder);
    plain.setFocusPolicy(Qt::NoFocus);
    plain.setFont(link->font());
    plain.setPalette(link->palette());
    plain.setAutoFillBackground(link->autoFillBackground());
    plain.setTextFormat(Qt::PlainText);
    plain.setText(link->text());
    plain.setAlignment(link->alignment());
    plain.setWordWrap(link->wordWrap());
    plain.setGeometry(link->geometry());
    return plain.grab().toImage();
}

QString where(const QWidget *w) {
    return w->window()->metaObject()->className() + QStringLiteral("/") + w->objectName();
}

// Tab from the window's focus until `target` has it; false when it never does.
bool tabTo(QWidget *window, QWidget *target) {
    for (int press = 0; press < 60 && QApplication::focusWidget() != target; ++press)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                        Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

} // namespace

class TestLinkLabels : public QObject {
    Q_OBJECT

    std::unique_ptr<FormWindow> start, reading;
    std::unique_ptr<FormDialog> about;

    QList<QWidget *> shown() {
        start = std::make_unique<FormWindow>(frmStartLayout());
        reading = std::make_unique<FormWindow>(frmMainLayout());
        about = std::make_unique<FormDialog>(frmAboutLayout());
        reading->setOuterGeometry(frmMainComplete());
        return {start.get(), reading.get(), about.get()};
    }

private slots:
    void cleanup() {
        about.reset();
        reading.reset();
        start.reset();
    }

    void linksDrawAsPlainLabelsAndShowTheFocus() {
        int checked = 0;
        for (QWidget *window : shown()) {
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QList<layout::LinkLabel *> links;
            QList<QImage> unfocused;
            // As the window opens, the focus is on a control that is no link.
            for (auto *link : window->findChildren<layout::LinkLabel *>()) {
                if (link->focusPolicy() == Qt::NoFocus)
                    continue; // hidden behind the label in front
                QVERIFY2(!link->hasFocus(), qPrintable(where(link)));
                links << link;
                unfocused << link->grab().toImage();
                QVERIFY2(unfocused.last() == drawnAsPlainLabel(link), qPrintable(where(link)));
                QVERIFY2(!hasTextDocument(link), qPrintable(where(link)));
            }
            for (qsizetype i = 0; i < links.size(); ++i) {
                layout::LinkLabel *link = links[i];
                QVERIFY2(tabTo(window, link), qPrintable(where(link)));
                QVERIFY2(link->grab().toImage() != unfocused[i], qPrintable(where(link)));
                QVERIFY2(!hasTextDocument(link), qPrintable(where(link)));
                // Shift+Tab away: the label looks as it did.
                QTest::keyClick(link, Qt::Key_Backtab);
                QVERIFY2(!link->hasFocus(), qPrintable(where(link)));
                QVERIFY2(link->grab().toImage() == unfocused[i], qPrintable(where(link)));
                ++checked;
            }
            window->hide();
        }
        // Label14 twice, lblFullBrand twice, lblHomePage, lblCoBrand.
        QCOMPARE(checked, 6);
    }

    void newTextIsDrawnNamedAndStillReachedByTab() {
        shown();
        reading->show();
        reading->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(reading.get()));
        auto *forum = reading->control<layout::LinkLabel>(QStringLiteral("Label14"));
        QVERIFY(forum);
        const QImage before = forum->grab().toImage();
        forum->setText(QStringLiteral("Visit the forum"));
        QCOMPARE(forum->text(), QStringLiteral("Visit the forum"));
        QCOMPARE(forum->focusPolicy(), Qt::TabFocus);
        QVERIFY(!hasTextDocument(forum));
        const QImage after = forum->grab().toImage();
        QVERIFY(after != before);
        QCOMPARE(after, drawnAsPlainLabel(forum));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(forum);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Visit the forum"));

        QSignalSpy clicks(forum, &layout::LinkLabel::clicked);
        QVERIFY(tabTo(reading.get(), forum));
        QTest::keyClick(forum, Qt::Key_Space);
        QCOMPARE(clicks.size(), 1);
    }
};

HEXACLE_TEST_MAIN(TestLinkLabels)
#include "tst_link_labels.moc"
