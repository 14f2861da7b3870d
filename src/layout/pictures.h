// SPDX-License-Identifier: MIT

#pragma once

// Pictures and pointers: the coin faces read from disk, and the pictures built
// into the program (coin, window icon, hand pointers).

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace hexacle::layout {

// A picture for a widget on a screen of `devicePixelRatio`: beside "x.gif" a
// drawing twice the size may stand as "x@2x.gif", taken where the screen has
// the pixels for it. It only sharpens the plain picture: null when the plain
// file is missing or cannot be read whole, at every ratio; the plain picture
// when the larger drawing is missing or cannot be read.
QPixmap loadPicture(const QString &path, qreal devicePixelRatio);

// The coin picture of the picture boxes, and the windows' icon.
QPixmap coinPicture(qreal devicePixelRatio);
QIcon windowIcon();

// The hand pointers; their hot spot is the tip of the index finger.
QCursor colourHandPointer();
QCursor monoHandPointer();

} // namespace hexacle::layout
