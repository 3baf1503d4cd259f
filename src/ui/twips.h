#pragma once

#include <cstdint>

class QColor;
class QWidget;

namespace ui {

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

QColor toQColor(Colour c);
Colour fromQColor(const QColor& c);

// Converts a floating value to an integer, rounding to nearest with ties to
// even (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -0.5 -> 0).
int toInteger(double value);

constexpr double TwipsPerInch = 1440.0;

// Twips per logical pixel at a given logical DPI (15 at 96 DPI, 10 at 144).
constexpr double twipsPerPixelAt(double dpi) {
    return TwipsPerInch / dpi;
}

// Twips per logical pixel of the primary screen. Every conversion of the
// program goes through this one figure, read once from the screen's logical
// DPI.
double twipsPerPixel();

inline double pixelsToTwips(double px) {
    return px * twipsPerPixel();
}
inline double twipsToPixels(double tw) {
    return tw / twipsPerPixel();
}
// Nearest whole pixel of a twips value, for geometry that Qt takes in pixels.
int twipsToPixel(double tw);

} // namespace ui
