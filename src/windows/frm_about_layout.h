// SPDX-License-Identifier: MIT

#pragma once

#include "layout/table.h"

namespace hexacle {

// The About window as laid out.
const layout::FormLayout &frmAboutLayout();

} // namespace hexacle
