// SPDX-License-Identifier: MIT

#pragma once

// Tosses as a user does, by clicking "Toss Coins" of an open Reading window,
// with the coins scripted to cast the line values wanted.

#include "layout/form_window.h"
#include "support/fake_platform.h"

#include <initializer_list>

namespace hexacle::test {

// One click per value, in order; each casts that value (6, 7, 8 or 9).
void tossLines(const FormWindow *reading, ScriptedRandom &random,
               std::initializer_list<int> values);
// `times` clicks, each casting `value`.
void tossLines(const FormWindow *reading, ScriptedRandom &random, int value, int times);

} // namespace hexacle::test
