// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/surface.h"

#include "ui/fonts.h"

#include <QPainter>
#include <QPen>
#include <QRegion>
#include <QTextLayout>

#include <cmath>
#include <utility>

namespace ui {

namespace {

// Anti-aliasing reaches up to a pixel beyond the geometry of a figure. The
// glyphs of a text reach up to a pixel beyond their measured ink, and land up
// to a pixel off when drawn at a fractional position.
constexpr double SparePixels = 1.0;
constexpr double SpareTextPixels = 2.0;
// Texts measured before the cache starts afresh; the board prints far fewer.
constexpr std::size_t MaxMeasuredTexts = 1024;

} // namespace

QRect coveringPixels(const QRectF& area, double twipsPerPixel) {
    const auto down = [twipsPerPixel](double tw) {
        return static_cast<int>(std::floor(tw / twipsPerPixel));
    };
    const auto up = [twipsPerPixel](double tw) {
        return static_cast<int>(std::ceil(tw / twipsPerPixel));
    };
    return QRect(QPoint(down(area.left()), down(area.top())),
                 QPoint(up(area.right()) - 1, up(area.bottom()) - 1));
}

std::size_t Surface::TextKeyHash::operator()(const TextKey& k) const {
    return qHashMulti(0, k.font.name, k.font.size, k.font.bold, k.font.italic, k.text);
}

void Surface::cls() {
    const std::vector<DrawItem> erased = std::exchange(items_, {});
    currentX_ = 0;
    currentY_ = 0;
    for (const DrawItem& item : erased)
        notify(item.area);
}

void Surface::print(const QString& text) {
    DrawItem item;
    item.kind = DrawItem::Kind::Text;
    item.x1 = currentX_;
    item.y1 = currentY_;
    item.colour = foreColor_;
    item.text = text;
    item.font = font_;
    item.shape = shapeOf(font_, text);
    const double tpp = twipsPerPixel();
    const QRectF extent = item.shape->extent;
    item.area = QRectF(currentX_ + extent.x() * tpp, currentY_ + extent.y() * tpp,
                       extent.width() * tpp, extent.height() * tpp)
                    .adjusted(-SpareTextPixels * tpp, -SpareTextPixels * tpp, SpareTextPixels * tpp,
                              SpareTextPixels * tpp);
    append(std::move(item));
}

void Surface::print(int number) {
    print(QLatin1Char(' ') + QString::number(number) + QLatin1Char(' '));
}

void Surface::line(double x1, double y1, double x2, double y2) {
    DrawItem item;
    item.kind = DrawItem::Kind::Line;
    item.x1 = x1;
    item.y1 = y1;
    item.x2 = x2;
    item.y2 = y2;
    item.colour = foreColor_;
    item.width = drawWidth_;
    const double reach = (drawWidth_ / 2.0 + SparePixels) * twipsPerPixel();
    item.area = QRectF(QPointF(x1, y1), QPointF(x2, y2))
                    .normalized()
                    .adjusted(-reach, -reach, reach, reach);
    append(std::move(item));
}

void Surface::circle(double x, double y, double radius, std::optional<Colour> colour,
                     double aspect) {
    DrawItem item;
    item.kind = DrawItem::Kind::Ellipse;
    item.x1 = x;
    item.y1 = y;
    if (aspect >= 1.0) {
        item.y2 = radius;
        item.x2 = radius / aspect;
    } else {
        item.x2 = radius;
        item.y2 = radius * aspect;
    }
    item.colour = colour.value_or(foreColor_);
    item.width = drawWidth_;
    const double reach = (drawWidth_ / 2.0 + SparePixels) * twipsPerPixel();
    item.area = QRectF(x - item.x2 - reach, y - item.y2 - reach, 2 * (item.x2 + reach),
                       2 * (item.y2 + reach));
    append(std::move(item));
}

void Surface::setBackColor(Colour c) {
    backColor_ = c;
    // The whole surface changes: no need to report each erased item.
    items_.clear();
    cls();
    notify(QRectF());
}

void Surface::append(DrawItem item) {
    const QRectF area = item.area;
    items_.push_back(std::move(item));
    notify(area);
}

void Surface::notify(const QRectF& area) const {
    if (changed)
        changed(area);
}

std::shared_ptr<const TextShape> Surface::shapeOf(const FontSpec& font, const QString& text) {
    if (shapes_.size() >= MaxMeasuredTexts)
        shapes_.clear();
    auto& shape = shapes_[TextKey{font, text}];
    if (!shape) {
        const QFont f = makeFont(font);
        const QFontMetricsF m(f);
        // The baseline lies one ascent of the font below the top-left corner,
        // whatever fallback fonts the line uses.
        const qreal ascent = m.ascent();
        QTextLayout layout(text, f);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        if (line.isValid()) {
            line.setNumColumns(static_cast<int>(text.size()));
            line.setPosition(QPointF(0, ascent - line.ascent()));
        }
        layout.endLayout();
        shape = std::make_shared<const TextShape>(
            TextShape{layout.glyphRuns(), m.boundingRect(text).translated(0, ascent)});
    }
    return shape;
}

void Surface::paint(QPainter& painter, double twipsPerPixel, const QRegion* only) const {
    const auto px = [twipsPerPixel](double tw) {
        return tw / twipsPerPixel;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const DrawItem& item : items_) {
        if (only) {
            const QRect pixels = coveringPixels(item.area, twipsPerPixel);
            if (!only->intersects(pixels))
                continue;
            painter.setClipRect(pixels);
        }
        QPen pen(toQColor(item.colour), item.width);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        switch (item.kind) {
        case DrawItem::Kind::Line:
            painter.drawLine(QPointF(px(item.x1), px(item.y1)), QPointF(px(item.x2), px(item.y2)));
            break;
        case DrawItem::Kind::Ellipse:
            painter.drawEllipse(QPointF(px(item.x1), px(item.y1)), px(item.x2), px(item.y2));
            break;
        case DrawItem::Kind::Text:
            // The glyphs as laid out when the text was printed: drawing them
            // does not shape the text again.
            for (const QGlyphRun& run : item.shape->glyphs)
                painter.drawGlyphRun(QPointF(px(item.x1), px(item.y1)), run);
            break;
        }
    }
    painter.restore();
}

} // namespace ui
