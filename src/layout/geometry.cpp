// SPDX-License-Identifier: MIT

#include "layout/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace hexacle::layout {

int toPixels(int twips) {
    return qRound(twips / double(kTwipsPerPixel));
}

QRect toPixels(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

Placement place(const OuterGeometry &outer, const QMargins &decorations, int menuBarHeight) {
    const int client =
        toPixels(outer.height) - decorations.top() - decorations.bottom() - menuBarHeight;
    const int minClient = toPixels(outer.minClient);
    const int maxClient = std::max(minClient, toPixels(outer.maxClient));
    const int width = toPixels(outer.width) - decorations.left() - decorations.right();
    return Placement{QPoint(toPixels(outer.left), toPixels(outer.top)),
                     QSize(width, std::clamp(client, minClient, maxClient) + menuBarHeight)};
}

void centreOnScreen(QWidget *window) {
    const QWidget *owner = window->parentWidget();
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace hexacle::layout
