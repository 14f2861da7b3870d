// SPDX-License-Identifier: MIT

#pragma once

#include "layout/form_layout.h"

namespace hexacle {

// The Querent window as laid out.
const layout::Form &frmStartLayout();

} // namespace hexacle
