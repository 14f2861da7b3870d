// SPDX-License-Identifier: MIT

#pragma once

// From line values to hexagram keys: a key is the lower trigram code followed
// by the upper, each written from its top line down ("1" yang, "0" yin).

#include "reading/casting.h"

#include <QString>

#include <array>

namespace hexacle {

// Slot 0 the trigram's bottom line, 1 its middle, 2 its top; slot 3 stays empty.
using TrigramDigits = std::array<QString, 4>;

// The digit of a line in the primary hexagram (as cast) and in the second
// (after the changing lines turned); empty for a line not yet cast.
QString primaryDigit(LineValue value);
QString secondDigit(LineValue value);

// The trigram digits of both hexagrams, as one refresh pass records them.
struct HexagramDigits {
    TrigramDigits Bottom_H1;
    TrigramDigits Top_H1;
    TrigramDigits Bottom_H2;
    TrigramDigits Top_H2;
};

// Records line n (1 to 6) with its value; a value that is not a cast line
// leaves the slots empty.
void recordLine(HexagramDigits &digits, int line, LineValue value);

// Lower trigram from its top line down, then the upper the same way. Short
// while lines are missing.
QString hexagramKey(const TrigramDigits &bottom, const TrigramDigits &top);

} // namespace hexacle
