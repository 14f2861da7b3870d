// SPDX-License-Identifier: MIT
// Where the Querent and About windows open: their outer frame, decorations
// included, in the centre of the screen.

#include "layout/form_window.h"
#include "layout/geometry.h"
#include "support/fake_platform.h"
#include "support/modal.h"
#include "support/test_main.h"
#include "windows/frm_about.h"
#include "windows/frm_start.h"

#include <QDialog>
#include <QScreen>
#include <QTest>

using namespace hexacle;
using namespace hexacle::test;

class TestWindowPlacement : public QObject {
    Q_OBJECT

    FakePlatform fake;

private slots:
    // A window manager's decorations are seldom even: a title bar on top,
    // thin borders elsewhere. The whole frame stands in the centre.
    void framesAreCentredWithTheirDecorations_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QMargins>("decorations");
        QTest::newRow("title bar")
            << QRect(0, 0, 1280, 1024) << QSize(492, 262) << QMargins(1, 20, 1, 1);
        QTest::newRow("no decorations") << QRect(0, 0, 1280, 1024) << QSize(455, 236) << QMargins();
        QTest::newRow("panel on the left, thick frame")
            << QRect(64, 0, 1216, 1000) << QSize(455, 236) << QMargins(4, 30, 4, 4);
        QTest::newRow("title bar at the side")
            << QRect(0, 0, 800, 600) << QSize(301, 200) << QMargins(24, 2, 2, 2);
    }
    void framesAreCentredWithTheirDecorations() {
        QFETCH(QRect, available);
        QFETCH(QSize, size);
        QFETCH(QMargins, decorations);
        const QPoint position = layout::centredFramePosition(available, size, decorations);
        const QRect frame(position, size.grownBy(decorations));
        // Centred to the pixel: the two sides differ by at most one.
        QVERIFY2(qAbs((frame.left() - available.left()) - (available.right() - frame.right())) <= 1,
                 qPrintable(QStringLiteral("frame %1,%2").arg(frame.x()).arg(frame.y())));
        QVERIFY2(qAbs((frame.top() - available.top()) - (available.bottom() - frame.bottom())) <= 1,
                 qPrintable(QStringLiteral("frame %1,%2").arg(frame.x()).arg(frame.y())));
    }

    // As shown: the outer frame of the Querent and About windows stands in the
    // centre of the screen.
    void querentAndAboutWindowsOpenCentred() {
        FrmStart start(fake.platform());
        start.Show();
        QVERIFY(QTest::qWaitForWindowExposed(start.window()));
        const QRect available = start.window()->screen()->availableGeometry();
        auto centred = [&](const QWidget *window) {
            const QRect frame = window->frameGeometry();
            return qAbs((frame.left() - available.left()) - (available.right() - frame.right())) <=
                       1 &&
                   qAbs((frame.top() - available.top()) - (available.bottom() - frame.bottom())) <=
                       1;
        };
        auto where = [](const QWidget *window) {
            const QRect frame = window->frameGeometry();
            return QStringLiteral("frame %1,%2 %3x%4")
                .arg(frame.x())
                .arg(frame.y())
                .arg(frame.width())
                .arg(frame.height());
        };
        QTRY_VERIFY2(centred(start.window()), qPrintable(where(start.window())));
        FrmAbout about(fake.platform());
        ModalVisit visit;
        bool aboutCentred = false;
        answerModal(visit, [&](QDialog *dialog) {
            aboutCentred = QTest::qWaitFor([&] { return centred(dialog); });
            dialog->accept();
        });
        about.Show(start.window());
        QVERIFY(visit.seen);
        QVERIFY(aboutCentred);
        start.Close();
    }
};

HEXACLE_TEST_MAIN(TestWindowPlacement)
#include "tst_window_placement.moc"
