// SPDX-License-Identifier: MIT

#include "reading/spoken_text.h"

namespace hexacle {

namespace {

// The value a line takes in the second hexagram: the changing ones turn
// into the young line of the other kind.
LineValue afterTheChange(LineValue value) {
    switch (value) {
    case 6:
        return 7;
    case 9:
        return 8;
    default:
        return value;
    }
}

QString describe(int line, LineValue value, bool markChanging) {
    if (!isCastLine(value))
        return {};
    QString text = QStringLiteral("line %1, %2").arg(line).arg(lineKindName(value));
    if (markChanging && isChangingLine(value))
        text += QLatin1String(", changing");
    return text;
}

} // namespace

QString lineKindName(LineValue value) {
    switch (value) {
    case 6:
        return QStringLiteral("old yin");
    case 7:
        return QStringLiteral("young yang");
    case 8:
        return QStringLiteral("young yin");
    case 9:
        return QStringLiteral("old yang");
    default:
        return {};
    }
}

QString primaryLineDescription(int line, LineValue value) {
    return describe(line, value, true);
}

QString secondLineDescription(int line, LineValue value) {
    return describe(line, afterTheChange(value), false);
}

QString coinFaceName(CoinFace face) {
    return face == CoinFace::Heads ? QStringLiteral("heads") : QStringLiteral("tails");
}

} // namespace hexacle
