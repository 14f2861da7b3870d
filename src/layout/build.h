// SPDX-License-Identifier: MIT

#pragma once

// Builds a window's controls and menus from its layout table, by one
// mechanism for every window.

#include "layout/table.h"

#include <vector>

class QAction;
class QMenuBar;
class QPlainTextEdit;
class QString;
class QWidget;

namespace hexacle::layout {

// What a build made, in the order of the table's rows.
struct BuiltForm {
    std::vector<QWidget *> controls; // one per FormLayout::controls row
    std::vector<QAction *> menus;    // one per FormLayout::menus row
};

// Applies the window-level settings (caption, font, background, icon) and
// builds the controls into `client`, the area below any menu bar.
std::vector<QWidget *> buildControls(QWidget *window, QWidget *client, const FormLayout &form);
std::vector<QAction *> buildMenus(QMenuBar *bar, const FormLayout &form);

// Multi-line texts separate lines with "\r\n"; a text box shows them as lines.
void showText(QPlainTextEdit *box, const QString &text);

} // namespace hexacle::layout
