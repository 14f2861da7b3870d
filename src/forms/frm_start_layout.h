// SPDX-License-Identifier: MIT

#pragma once

#include "forms/form_layout.h"

namespace hexacle {

// The Querent window as laid out.
const layout::Form &frmStartLayout();

} // namespace hexacle
