// SPDX-License-Identifier: MIT

#pragma once

// Twips become logical pixels in exactly one place: toPixels().

#include "layout/table.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

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

// Keeps `window`'s outer frame where `place` puts it for the decorations the
// window manager puts round it: these are known only once the window has been
// framed, so `place` runs now and again whenever they turn out other than those
// it last placed with; a window the user moves stays where it is put. The
// returned object, a child of the window, does this; deleting it stops it.
QObject *keepFramePlaced(QWidget *window, std::function<void(const QMargins &decorations)> place);

// Opens `window` with its outer frame centred on the screen (of its owner, if
// it has one), through keepFramePlaced.
QObject *centreFrameOnScreen(QWidget *window);

} // namespace hexacle::layout
