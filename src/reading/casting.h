// SPDX-License-Identifier: MIT

#pragma once

// Coin casting: three coins make one line of a hexagram.

#include <QtGlobal>

#include <array>

namespace hexacle {

// 6 old yin, 7 young yang, 8 young yin, 9 old yang; 0 not yet cast.
using LineValue = qint16;

// Slot i holds line i + 1 (line 1 is the bottom line). Slot 6 is never used.
using MarksArray = std::array<LineValue, 7>;

constexpr int kLinesPerHexagram = 6;

enum class CoinFace { Tails, Heads };

// Rounds r in [0, 1) to the nearest integer, halves to even: exactly 0.5 is tails.
CoinFace coinFaceFor(double r);

// Heads counts 3, tails 2.
qint16 coinCount(CoinFace face);

// True for the values a cast line can take.
bool isCastLine(LineValue value);

// Old yin and old yang turn into their opposites.
bool isChangingLine(LineValue value);

} // namespace hexacle
