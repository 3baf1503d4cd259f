// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/twips.h"

#include <QGlyphRun>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QPainter;
class QRegion;

namespace ui {

// A text laid out once for its font, with its top-left corner at (0, 0): its
// glyphs, starting at x = 0 on a baseline one ascent of the font down, and
// the pixels their ink may cover. Blanks have no ink: " 7 " covers no more
// than "7" does.
struct TextShape {
    QList<QGlyphRun> glyphs;
    QRectF extent;
};

// One primitive of the display list. All coordinates are twips of the client
// area; `width` is the line width in pixels.
struct DrawItem {
    enum class Kind { Text, Line, Ellipse };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0; // Text: top-left; Line: start; Ellipse: centre
    double x2 = 0, y2 = 0; // Line: end; Ellipse: horizontal and vertical half-axes
    Colour colour = 0;
    int width = 1;
    QString text;                           // Text only
    FontSpec font;                          // Text only
    std::shared_ptr<const TextShape> shape; // Text only
    // Every twip of the client area that drawing the item may change: pen
    // width, anti-aliasing and, for text, the glyphs' real extent included.
    QRectF area;
};

// The whole pixels that cover an area given in twips, at `twipsPerPixel`.
QRect coveringPixels(const QRectF& area, double twipsPerPixel);

// The retained drawing surface of a window: drawing calls append primitives
// to a display list, which the window replays on every repaint. Drawn output
// therefore stays until cls() or a change of the background colour. Every
// change reports the area it touched, so that only that area is repainted.
class Surface {
public:
    // Erases everything drawn; the current position becomes (0, 0).
    void cls();

    // Draws text with its top-left corner at the current position, in the
    // fore colour and current font, with a transparent background.
    void print(const QString& text);
    // A number is printed with one blank before it (the sign place) and one
    // after it: print(7) draws " 7 ".
    void print(int number);

    void line(double x1, double y1, double x2, double y2);
    // An outline in `colour`, or the fore colour when none is given. With
    // aspect >= 1 the radius is the vertical half-axis and radius / aspect
    // the horizontal one; with aspect < 1 the radius is the horizontal
    // half-axis and radius * aspect the vertical one.
    void circle(double x, double y, double radius, std::optional<Colour> colour = std::nullopt,
                double aspect = 1.0);

    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }

    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour c) { foreColor_ = c; }
    Colour backColor() const { return backColor_; }
    // Setting the background colour erases everything drawn, as cls() does.
    void setBackColor(Colour c);

    void setDrawWidth(int w) { drawWidth_ = w < 1 ? 1 : w; }

    void setFont(const FontSpec& f) { font_ = f; }
    void setFontName(const QString& name) { font_.name = name; }
    void setFontSize(double size) { font_.size = size; }
    void setFontBold(bool bold) { font_.bold = bold; }

    const std::vector<DrawItem>& items() const { return items_; }

    // Replays the display list; `twipsPerPixel` scales twips to the device.
    // With `only`, just the items whose covering pixels meet that region of
    // the device, each clipped to its covering pixels: that leaves it as it
    // is, and gives the painter a plain rectangle to clip to rather than a
    // region of many (the painter's own clip keeps the items inside `only`).
    void paint(QPainter& painter, double twipsPerPixel, const QRegion* only = nullptr) const;

    // Called after every change of what the surface shows, with the area in
    // twips that now shows differently: once for each item drawn, once for
    // each item that cls() erases. A null rectangle stands for the whole
    // surface (a new background colour).
    std::function<void(const QRectF& area)> changed;

private:
    struct TextKey {
        FontSpec font;
        QString text;
        bool operator==(const TextKey&) const = default;
    };
    struct TextKeyHash {
        std::size_t operator()(const TextKey& k) const;
    };

    void append(DrawItem item);
    void notify(const QRectF& area) const;
    // The shape of a text in a font, laid out on first use.
    std::shared_ptr<const TextShape> shapeOf(const FontSpec& font, const QString& text);

    std::vector<DrawItem> items_;
    std::unordered_map<TextKey, std::shared_ptr<const TextShape>, TextKeyHash> shapes_;
    double currentX_ = 0, currentY_ = 0;
    Colour foreColor_ = 0;
    Colour backColor_ = RGB(255, 255, 255);
    int drawWidth_ = 1;
    FontSpec font_;
};

} // namespace ui
