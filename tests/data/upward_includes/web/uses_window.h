// SPDX-License-Identifier: MIT
// A window-free folder that includes a window's header: the layer check must refuse it.

#pragma once

#include "windows/frm_main.h"
