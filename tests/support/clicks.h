// SPDX-License-Identifier: MIT

#pragma once

// Clicks where a control shows, as a user's land, and what the recording
// browser was asked to open.

#include "support/fake_platform.h"

#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace hexacle::test {

// A page's whole address as the program opens it.
inline QString address(const char *pageName) {
    return QStringLiteral("http://" HEXACLE_WEB_HOST "/hexacle-free/ssd.php?page=") +
           QLatin1String(pageName);
}

inline QStringList opened(const RecordingBrowser &browser) {
    QStringList addresses;
    for (const QUrl &url : browser.opened)
        addresses << url.toString();
    return addresses;
}

// A left click where `target` shows, delivered to its top-level window, which
// hands it to whatever widget is in front at that point. Returns that widget.
inline QWidget *clickWhereShown(QWidget *target) {
    QWidget *top = target->window();
    const QPoint point = target->mapTo(top, target->rect().center());
    QWidget *hit = top->childAt(point);
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, point);
    return hit;
}

inline QString nameOf(const QWidget *widget) {
    return widget ? widget->objectName() : QStringLiteral("<nothing>");
}

// Whether the centre of `target` lies inside its window.
inline bool inView(QWidget *target) {
    QWidget *top = target->window();
    return top->rect().contains(target->mapTo(top, target->rect().center()));
}

} // namespace hexacle::test
