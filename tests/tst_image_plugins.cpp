// SPDX-License-Identifier: MIT
// The Reading window shows without loading any image plugin: its pictures are
// PNG copies read by Qt's own reader, and the menu bar's overflow icon, which
// Qt finds by asking every plugin, is read only when it is drawn, and is then
// the style's own. The first test runs before anything else in the process
// could have loaded a plugin.

#include "layout/form_window.h"
#include "support/test_main.h"
#include "windows/frm_main_layout.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace hexacle;

namespace {

// The image plugins mapped into this process, by file name.
QStringList loadedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf("/imageformats/");
        if (at >= 0 && !found.contains(QString::fromLocal8Bit(line.mid(at))))
            found << QString::fromLocal8Bit(line.mid(at));
    }
    return found;
}

} // namespace

class TestImagePlugins : public QObject {
    Q_OBJECT

private slots:
    void readingWindowShowsWithoutImagePlugins() {
        auto window = std::make_unique<FormWindow>(frmMainLayout());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(!window->grab().isNull());
        QCOMPARE(loadedImagePlugins(), QStringList());
    }

    void menuBarOverflowIconIsTheStylesOwn() {
        auto window = std::make_unique<FormWindow>(frmMainLayout());
        auto *overflow = window->menuBar()->findChild<QToolButton *>();
        QVERIFY(overflow);
        QVERIFY(!overflow->icon().isNull());
        const auto *style = qobject_cast<const QProxyStyle *>(QApplication::style());
        QVERIFY(style && style->baseStyle());
        const QIcon own = style->baseStyle()->standardIcon(
            QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, window->menuBar());
        for (const int side : {8, 16, 32}) {
            const QImage drawn = overflow->icon().pixmap(QSize(side, side)).toImage();
            QVERIFY(!drawn.isNull());
            QCOMPARE(drawn, own.pixmap(QSize(side, side)).toImage());
        }
    }
};

HEXACLE_TEST_MAIN(TestImagePlugins)
#include "tst_image_plugins.moc"
