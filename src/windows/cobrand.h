// SPDX-License-Identifier: MIT

#pragma once

// Which of the two promotional offers the Reading window shows in this run.

#include <QtGlobal>

namespace hexacle {

class FrmMain;
class RandomSource;

// 1 plus the integer part of 6r, for r in [0, 1): each of 1 to 6 equally likely.
qint16 coBrandNumberFor(double r);

// Start-up calls this once, after showing the Reading window: draws one
// number from the program's generator and brings the matching offer of the
// open Reading window to the front (odd: co-branding, even: fully branded).
// Returns the number drawn (intCoBrandRandomNumber), for the caller to keep
// for the run.
qint16 CoBrand_Randomize(FrmMain &reading, RandomSource &random);

} // namespace hexacle
