// SPDX-License-Identifier: MIT

#pragma once

namespace hexacle::layout {

// Puts the application's own style behind one that differs in a single
// thing: the icon a menu bar makes for its overflow button, which shows only
// when the menus do not fit, is read when it is first drawn instead of as the
// menu bar is made. Reading it means asking every image plugin about its file,
// which would load them all before the first window shows.
void installProgramStyle();

} // namespace hexacle::layout
