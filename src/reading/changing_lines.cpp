// SPDX-License-Identifier: MIT

#include "reading/changing_lines.h"

namespace hexacle {

QString primaryGlyph(LineValue value) {
    switch (value) {
    case 6:
        return QLatin1String(kGlyphOldYin);
    case 7:
        return QLatin1String(kGlyphSolid);
    case 8:
        return QLatin1String(kGlyphBroken);
    case 9:
        return QLatin1String(kGlyphOldYang);
    default:
        return {};
    }
}

QString secondGlyph(LineValue value) {
    switch (value) {
    case 6:
    case 7:
        return QLatin1String(kGlyphSolid);
    case 8:
    case 9:
        return QLatin1String(kGlyphBroken);
    default:
        return {};
    }
}

QString changedLineText(int line) {
    return QStringLiteral("Line %1 Changed").arg(line);
}

RefreshPass refreshFrom(const MarksArray &marks) {
    RefreshPass pass;
    for (int line = 1; line <= kLinesPerHexagram; ++line) {
        const LineValue value = marks[static_cast<std::size_t>(line - 1)];
        if (!isCastLine(value))
            continue;
        pass.glyphs[static_cast<std::size_t>(line - 1)] =
            LineGlyphs{primaryGlyph(value), secondGlyph(value)};
        recordLine(pass.digits, line, value);
        if (isChangingLine(value))
            pass.report += changedLineText(line) + QLatin1String("\r\n");
    }
    return pass;
}

} // namespace hexacle
