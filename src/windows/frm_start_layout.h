// SPDX-License-Identifier: MIT

#pragma once

#include "layout/table.h"

namespace hexacle {

// The Querent window as laid out.
const layout::FormLayout &frmStartLayout();

} // namespace hexacle
