// SPDX-License-Identifier: MIT

#pragma once

#include "layout/form_layout.h"

namespace hexacle {

// The About window as laid out.
const layout::Form &frmAboutLayout();

} // namespace hexacle
