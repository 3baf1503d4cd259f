#include "ui/surface.h"

#include "ui/fonts.h"

#include <QPainter>
#include <QPen>

namespace ui {

void Surface::cls() {
    items_.clear();
    currentX_ = 0;
    currentY_ = 0;
    notify();
}

void Surface::print(const QString& text) {
    DrawItem item;
    item.kind = DrawItem::Kind::Text;
    item.x1 = currentX_;
    item.y1 = currentY_;
    item.colour = foreColor_;
    item.text = text;
    item.font = font_;
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
    append(std::move(item));
}

void Surface::setBackColor(Colour c) {
    backColor_ = c;
    cls();
}

void Surface::append(DrawItem item) {
    items_.push_back(std::move(item));
    notify();
}

void Surface::notify() const {
    if (changed)
        changed();
}

void Surface::paint(QPainter& painter, double twipsPerPixel) const {
    const auto px = [twipsPerPixel](double tw) {
        return tw / twipsPerPixel;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);
    FontSpec fontSpec;
    bool fontSet = false;
    qreal ascent = 0;
    for (const DrawItem& item : items_) {
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
            // Consecutive texts mostly share one font: resolve it only when it changes.
            if (!fontSet || item.font != fontSpec) {
                fontSpec = item.font;
                fontSet = true;
                painter.setFont(makeFont(fontSpec));
                ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
            }
            painter.drawText(QPointF(px(item.x1), px(item.y1) + ascent), item.text);
            break;
        }
    }
    painter.restore();
}

} // namespace ui
