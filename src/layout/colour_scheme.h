// SPDX-License-Identifier: MIT

#pragma once

// The windows were drawn as one light design: white boxes, dark olive text,
// blue links on the face colour. Half of that design names fixed colours and
// half names the desktop's ("system window background", "face colour"); on a
// dark desktop the two halves no longer fit together. So every colour the
// layouts leave to the system is taken from this one light scheme of the
// program's own, and the windows and message boxes look as drawn on any
// desktop. Its text contrast does not depend on the desktop either, so a
// desktop that asks for high contrast still gets at least the light design's.

class QPalette;

namespace hexacle::layout {

QPalette lightScheme();

} // namespace hexacle::layout
