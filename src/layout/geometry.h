// SPDX-License-Identifier: MIT

#pragma once

// Twips become logical pixels in exactly one place: toPixels().

#include "layout/table.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QObject;
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

// The decorations the window manager put round a top-level window.
QMargins decorationsOf(const QWidget *window);

// Where to move a top-level window of `windowSize` (without decorations) so
// that its outer frame, decorations included, stands centred in `available`.
QPoint centredFramePosition(const QRect &available, const QSize &windowSize,
                            const QMargins &decorations);

// Opens `window` with its outer frame centred on the screen (of its owner, if
// it has one). The frame's decorations are known only once the window manager
// has framed the window, so the frame is centred again whenever they turn out
// other than assumed; a window the user moves stays where it is put. The
// returned object, a child of the window, does this; deleting it stops it.
QObject *centreFrameOnScreen(QWidget *window);

} // namespace hexacle::layout
