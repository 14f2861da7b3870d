// SPDX-License-Identifier: MIT

#pragma once

// What the Querent window accepts as a name and a question.

#include <QString>

namespace hexacle {

// Letters A to Z and a to z, the space, backspace (8) and 127.
bool isAcceptedNameCode(int code);

// Leading and trailing spaces go; tabs and line breaks stay.
QString trimSpaces(const QString &text);

// A question box's raw document text with its paragraph and line separators
// (U+2029, U+2028) as "\r\n"; every other character stays as typed.
QString questionText(QString raw);

// "Name: ", the name, two line breaks, "Question: ", the question.
QString querentInfo(const QString &name, const QString &question);

} // namespace hexacle
