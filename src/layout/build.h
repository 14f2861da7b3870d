// SPDX-License-Identifier: MIT

#pragma once

// Builds a window's controls and menus from its layout table, by one
// mechanism for every window.

#include "layout/table.h"

#include <functional>
#include <vector>

class QAction;
class QMenuBar;
class QPlainTextEdit;
class QString;
class QWidget;

namespace hexacle::layout {

// What a build made, in the order of the table's rows.
struct BuiltForm {
    std::vector<QWidget *> controls; // one per FormLayout::controls row; null until built
    std::vector<QAction *> menus;    // one per FormLayout::menus row
};

// Controls for which this holds (and the controls inside such frames) are
// built only when buildLaterControls() is called; the first control in Tab
// order must not be among them.
using BuildLater = std::function<bool(const Control &)>;

// Which controls of `form` wait for buildLaterControls(), in layout order.
std::vector<bool> controlsBuiltLater(const FormLayout &form, const BuildLater &later);

// Applies the window-level settings (caption, font, background, icon) and
// builds the controls into `client`, the area below any menu bar, all but
// those `later` picks (null in the result). The focus goes to the first
// control in Tab order.
std::vector<QWidget *> buildControls(QWidget *window, QWidget *client, const FormLayout &form,
                                     const BuildLater &later = {});
// Builds the controls buildControls() left out into `built`, and chains them
// into the Tab order with the others, as if all had been built at once.
void buildLaterControls(QWidget *window, QWidget *client, const FormLayout &form,
                        const BuildLater &later, std::vector<QWidget *> &built);
std::vector<QAction *> buildMenus(QMenuBar *bar, const FormLayout &form);

// Multi-line texts separate lines with "\r\n"; a text box shows them as lines.
void showText(QPlainTextEdit *box, const QString &text);

} // namespace hexacle::layout
