// SPDX-License-Identifier: MIT

#pragma once

// The per-toss refresh: glyphs of both figures, the changing-lines report and
// the trigram digits, all computed from the marks cast so far.

#include "reading/casting.h"
#include "reading/derivation.h"

#include <QString>

#include <array>
#include <optional>

namespace hexacle {

inline constexpr char kGlyphSolid[] = "----------------";
inline constexpr char kGlyphBroken[] = "------    ------";
inline constexpr char kGlyphOldYin[] = "------ x ------";
inline constexpr char kGlyphOldYang[] = "------ o ------";

// Empty for a line not yet cast.
QString primaryGlyph(LineValue value);
QString secondGlyph(LineValue value);

// "Line 3 Changed" for line 3.
QString changedLineText(int line);

struct LineGlyphs {
    QString primary;
    QString second;
};

struct RefreshPass {
    // Index 0 is line 1; empty for a line not yet cast.
    std::array<std::optional<LineGlyphs>, kLinesPerHexagram> glyphs;
    // One entry per changing line, each followed by "\r\n".
    QString report;
    HexagramDigits digits;
};

RefreshPass refreshFrom(const MarksArray &marks);

} // namespace hexacle
