// SPDX-License-Identifier: MIT
// Building the windows leaves the application's font as it was: the About
// window and the message boxes show in the toolkit's own font, and every text
// box lays its text out in the font the layout gives it.

#include "layout/form_window.h"
#include "support/test_main.h"
#include "windows/frm_about_layout.h"
#include "windows/frm_main_layout.h"
#include "windows/frm_start_layout.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <memory>

using namespace hexacle;

class TestApplicationFont : public QObject {
    Q_OBJECT

private slots:
    void buildingWindowsKeepsTheApplicationFont() {
        const QFont before = QApplication::font();
        auto start = std::make_unique<FormWindow>(frmStartLayout());
        auto reading = std::make_unique<FormWindow>(frmMainLayout());
        auto about = std::make_unique<FormDialog>(frmAboutLayout());

        QCOMPARE(QApplication::font(), before);
        QCOMPARE(QApplication::font().family(), before.family());
        QCOMPARE(QApplication::font().pointSizeF(), before.pointSizeF());
        // The About window's button has no font of its own in the layout.
        auto *ok = about->control<QPushButton>(QStringLiteral("cmdOK"));
        QVERIFY(ok);
        QCOMPARE(ok->font().family(), before.family());
        QCOMPARE(ok->font().pointSizeF(), before.pointSizeF());

        int boxes = 0;
        for (QWidget *window :
             {static_cast<QWidget *>(start.get()), static_cast<QWidget *>(reading.get())}) {
            for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>()) {
                QCOMPARE(box->document()->defaultFont(), box->font());
                QVERIFY2(box->font() != before, qPrintable(box->objectName()));
                ++boxes;
            }
        }
        // The question on the Querent window; four boxes on the Reading window.
        QCOMPARE(boxes, 5);
    }

    // A box made while a window is open does not disturb that window's fonts.
    void aTextBoxMadeLaterLeavesOpenWindowsAlone() {
        auto about = std::make_unique<FormDialog>(frmAboutLayout());
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
        auto *ok = about->control<QPushButton>(QStringLiteral("cmdOK"));
        const QFont shown = ok->font();
        const QImage look = about->grab().toImage();
        auto reading = std::make_unique<FormWindow>(frmMainLayout());
        QCOMPARE(ok->font(), shown);
        QCOMPARE(about->grab().toImage(), look);
    }
};

HEXACLE_TEST_MAIN(TestApplicationFont)
#include "tst_application_font.moc"
