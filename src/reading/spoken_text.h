// SPDX-License-Identifier: MIT

#pragma once

// What a screen reader says for the figures and the coins: the glyphs and the
// coin pictures mean nothing read aloud, so each carries words of its own.

#include "reading/casting.h"

#include <QString>

namespace hexacle {

// "old yin", "young yang", "young yin" or "old yang"; empty for a line not cast.
QString lineKindName(LineValue value);

// A line of the hexagram as cast: "line 1, old yin, changing", "line 4, young
// yang". Empty for a line not yet cast.
QString primaryLineDescription(int line, LineValue value);

// The same line in the second hexagram, after the change: an old yin line
// there is "line 1, young yang". Empty for a line not yet cast.
QString secondLineDescription(int line, LineValue value);

// "heads" or "tails".
QString coinFaceName(CoinFace face);

} // namespace hexacle
