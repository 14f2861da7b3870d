// SPDX-License-Identifier: MIT

#include "reading/derivation.h"

namespace hexacle {

QString primaryDigit(LineValue value) {
    switch (value) {
    case 6:
    case 8:
        return QStringLiteral("0");
    case 7:
    case 9:
        return QStringLiteral("1");
    default:
        return {};
    }
}

QString secondDigit(LineValue value) {
    switch (value) {
    case 8:
    case 9:
        return QStringLiteral("0");
    case 6:
    case 7:
        return QStringLiteral("1");
    default:
        return {};
    }
}

void recordLine(HexagramDigits &digits, int line, LineValue value) {
    if (!isCastLine(value) || line < 1 || line > kLinesPerHexagram)
        return;
    const bool lower = line <= 3;
    const auto slot = static_cast<std::size_t>((line - 1) % 3);
    (lower ? digits.Bottom_H1 : digits.Top_H1)[slot] = primaryDigit(value);
    (lower ? digits.Bottom_H2 : digits.Top_H2)[slot] = secondDigit(value);
}

static QString trigramCode(const TrigramDigits &trigram) {
    return trigram[2] + trigram[1] + trigram[0] + trigram[3];
}

QString hexagramKey(const TrigramDigits &bottom, const TrigramDigits &top) {
    return trigramCode(bottom) + trigramCode(top);
}

} // namespace hexacle
