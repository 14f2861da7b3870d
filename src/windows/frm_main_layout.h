// SPDX-License-Identifier: MIT

#pragma once

#include "layout/table.h"

namespace hexacle {

const layout::FormLayout &frmMainLayout();

// The lower band (results and buttons) starts here, in twips from the client's top.
inline constexpr int kLowerBandTop = 2640;

// Outer frame when the window opens, and after the sixth toss.
const layout::OuterGeometry &frmMainOpening();
const layout::OuterGeometry &frmMainComplete();

} // namespace hexacle
