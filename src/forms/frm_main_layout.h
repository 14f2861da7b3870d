#pragma once

#include "forms/form_layout.h"

namespace hexacle {

const layout::Form &frmMainLayout();

// Outer frame when the window opens, and after the sixth toss.
const layout::OuterGeometry &frmMainOpening();
const layout::OuterGeometry &frmMainComplete();

} // namespace hexacle
