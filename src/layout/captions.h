// SPDX-License-Identifier: MIT

#pragma once

// Fonts and captions: the table's fonts as Qt fonts, what a label shows of a
// caption, and the measuring that makes a caption fit its control.

#include "layout/table.h"

#include <QFont>
#include <QMargins>
#include <QSize>
#include <QString>

class QWidget;

namespace hexacle::layout {

QFont toQFont(const Font &font, const QFont &windowFont);

// A label shows "&&" as one ampersand and drops a lone one (labels have no
// access keys).
QString labelText(const char *caption);

// Whether `text` shows whole in a `size` box in `font`, the way a label draws
// it (top-aligned, wrapped at word boundaries when `wrap`).
bool textFits(const QFont &font, const QSize &size, const QString &text, bool wrap);

// Steps the point size of a label's or a button's caption down until it shows
// whole in the control (FitText).
void fitCaption(QWidget *widget, const Control &c);

} // namespace hexacle::layout
