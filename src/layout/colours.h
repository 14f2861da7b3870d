// SPDX-License-Identifier: MIT

#pragma once

// The table's colours on the widgets.

#include "layout/table.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace hexacle::layout {

QColor colourOf(Paint paint);

// Fills the widget's background in `back`.
void paintBackground(QWidget *widget, Paint back, QPalette::ColorRole role);
// Its text in `fore`; Paint::Default leaves the scheme's colour.
void paintText(QWidget *widget, Paint fore, QPalette::ColorRole role);

} // namespace hexacle::layout
