// SPDX-License-Identifier: MIT

#pragma once

// Contrast of two colours as the Web Content Accessibility Guidelines define
// it: from 1 (the same luminance) to 21 (black on white). Text wants 4.5.

#include <algorithm>
#include <cmath>

namespace hexacle::test {

struct Rgb {
    int r, g, b; // 0 to 255
};

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
inline double relativeLuminance(Rgb c) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

inline double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace hexacle::test
