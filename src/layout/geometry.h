// SPDX-License-Identifier: MIT

#pragma once

// Twips become logical pixels in exactly one place: toPixels().

#include "layout/table.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace hexacle::layout {

constexpr int kTwipsPerPixel = 15;

int toPixels(int twips);
QRect toPixels(int left, int top, int width, int height);

struct Placement {
    QPoint framePosition;
    QSize windowSize; // without decorations, menu bar included
};

Placement place(const OuterGeometry &outer, const QMargins &decorations, int menuBarHeight);

// Centred on the screen (of its owner, if it has one).
void centreOnScreen(QWidget *window);

} // namespace hexacle::layout
