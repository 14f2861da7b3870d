// SPDX-License-Identifier: MIT

#pragma once

// The one routine that connects a freshly built window's links to their
// openers; which page each control opens is in the window's layout table.

#include "web/pages.h"

namespace hexacle {

class BuiltControls;

// Connects every control and menu item whose layout row names a page: menu
// items on `triggered`, buttons and link labels on `clicked`. Each handler
// opens its page and does nothing else. Returns how many were connected.
int connectPageLinks(const BuiltControls &window, const PageOpeners &openers);

} // namespace hexacle
