// SPDX-License-Identifier: MIT

#pragma once

namespace hexacle::layout {

// The process-wide set-up of the user interface, once, after the
// QApplication is made and before any window is built: the pictures built
// into the program, font fallbacks for the families the layouts name, what
// screen readers are told of link labels, and the program's style. main() and
// the tests call it.
void startUserInterface();

} // namespace hexacle::layout
