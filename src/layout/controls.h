// SPDX-License-Identifier: MIT

#pragma once

// One widget per kind of control, made as its table row describes it; the
// place, font and Tab order are the builder's.

#include "layout/table.h"

class QWidget;

namespace hexacle::layout {

QWidget *makeControl(const Control &c, QWidget *parent);

} // namespace hexacle::layout
