// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The value types every layer shares: colours, rounding, design fonts and
// twips. Widget-free and Gui-free, so that the pure rules can use them.

#include <QString>

#include <cmath>
#include <cstdint>

namespace ui {

// The line break of every multi-line text the program shows or writes.
inline const QString CrLf = QStringLiteral("\r\n");

// A colour packed as 0x00BBGGRR: red + 256 * green + 65536 * blue.
using Colour = std::int32_t;

constexpr Colour RGB(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}
constexpr int redOf(Colour c) {
    return c & 0xff;
}
constexpr int greenOf(Colour c) {
    return (c >> 8) & 0xff;
}
constexpr int blueOf(Colour c) {
    return (c >> 16) & 0xff;
}

// Converts a floating value to an integer, rounding to nearest with ties to
// even (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -0.5 -> 0).
inline int toInteger(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// A font as a window design names it: a design name (mapped to an installed
// font at start-up), a size in points (fractional sizes kept) and the style.
struct FontSpec {
    QString name;
    double size = 12.0;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

constexpr double TwipsPerInch = 1440.0;

// Twips per logical pixel at a given logical DPI (15 at 96 DPI, 10 at 144).
constexpr double twipsPerPixelAt(double dpi) {
    return TwipsPerInch / dpi;
}

} // namespace ui
