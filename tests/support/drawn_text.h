// SPDX-License-Identifier: MIT

#pragma once

// Measures the texts of a window in its drawn pixels: each text's colour
// against the background it is actually drawn on.

#include <QList>
#include <QString>

class QWidget;

namespace hexacle::test {

struct Measure {
    QString where; // window/control, "#n" for the n-th entry of a menu
    double ratio;  // the contrast, 1 to 21
};

// Every text shown in the top-level `window` (labels, text boxes, enabled
// buttons, menu bar and menu entries), measured as drawn. The text caret is
// hidden while it is drawn.
QList<Measure> measureWindow(QWidget *window, const QString &name);

} // namespace hexacle::test
