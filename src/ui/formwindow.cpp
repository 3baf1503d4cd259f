// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/formwindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <map>

namespace ui {

FormWindow::FormWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.changed = [this](const QRectF& area) {
        if (area.isNull())
            damageAll_ = true;
        addDamage(area.isNull() ? QRect() : coveringPixels(area, twipsPerPixel()));
    };
}

void FormWindow::setClientGeometry(double left, double top, double width, double height) {
    QRect r(twipsToPixel(left), twipsToPixel(top), twipsToPixel(width), twipsToPixel(height));
    if (const QScreen* s = screen()) {
        const QRect free = s->availableGeometry();
        r.setSize(r.size().boundedTo(free.size()));
        r.moveLeft(std::clamp(r.left(), free.left(), free.right() + 1 - r.width()));
        r.moveTop(std::clamp(r.top(), free.top(), free.bottom() + 1 - r.height()));
    }
    setGeometry(r);
}

QSize FormWindow::frameExtra() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {outer.width() - inner.width(), outer.height() - inner.height()};
}

double FormWindow::outerWidth() const {
    return pixelsToTwips(frameGeometry().width());
}
double FormWindow::outerHeight() const {
    return pixelsToTwips(frameGeometry().height());
}

namespace {

// Whole pixels that cover a length in twips (a hair of tolerance so that an
// exact pixel count is not pushed up by rounding noise).
int pixelsCovering(double tw) {
    return static_cast<int>(std::ceil(twipsToPixels(tw) - 1e-6));
}

} // namespace

void FormWindow::setOuterWidth(double width) {
    resizeClient({qMax(1, pixelsCovering(width) - frameExtra().width()), height()});
}

void FormWindow::setOuterHeight(double height) {
    resizeClient({QWidget::width(), qMax(1, pixelsCovering(height) - frameExtra().height())});
}

void FormWindow::resizeClient(QSize size) {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QSize before = QWidget::size();
    const int eventsBefore = resizeEvents_;
    resize(size);
    // Qt sends the resize event synchronously for a visible window; where it
    // does not (a hidden window), the handler still has to see the change.
    if (QWidget::size() != before && resizeEvents_ == eventsBefore && shownOnce_)
        fireResize();
}

int FormWindow::windowStateCode() const {
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return 2;
    return 0;
}

void FormWindow::setWindowStateCode(int state) {
    switch (state) {
    case 1:
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case 2:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    default:
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    }
}

double FormWindow::screenWidth() const {
    const QScreen* s = screen();
    return s ? pixelsToTwips(s->geometry().width()) : 0.0;
}

void FormWindow::setBackColor(Colour c) {
    surface_.setBackColor(c);
}

namespace {

// Beyond this many rectangles waiting for one repaint, the whole window is
// repainted instead.
constexpr std::size_t MaxDamageRects = 2000;
// Damage is repainted in whole rows of RowPixels, and two stretches of one
// row less than MergeGapPixels apart are repainted as one. A region splits
// every rectangle at the top and bottom edges of the rectangles beside it,
// and Qt, and the X server with its clip list, spend time on every rectangle
// of it (the server clips each copy against the whole list); rows keep those
// edges few. A click that moves 50 numbers on a 1920 x 1080 board repaints
// some 100 rectangles covering 30 % of the board this way; the exact areas
// would make some 700 rectangles covering 14 %, slower in both.
constexpr int RowPixels = 64;
constexpr int MergeGapPixels = 64;

// The rows and stretches that cover every rectangle (none above the top
// edge), as one region.
QRegion inRows(const std::vector<QRect>& rects) {
    std::map<int, std::vector<std::pair<int, int>>> rows; // row: [left, right) of each rectangle
    for (const QRect& r : rects)
        for (int row = r.top() / RowPixels; row <= r.bottom() / RowPixels; ++row)
            rows[row].emplace_back(r.left(), r.right() + 1);
    // Sorted by top, then left; no two overlap or touch, and those of one row
    // share their top and height: what QRegion::setRects() takes as it is.
    std::vector<QRect> banded;
    for (auto& [row, stretches] : rows) {
        std::sort(stretches.begin(), stretches.end());
        auto [from, to] = stretches.front();
        for (const auto& [left, right] : stretches) {
            if (left > to + MergeGapPixels) {
                banded.emplace_back(from, row * RowPixels, to - from, RowPixels);
                from = left;
            }
            to = std::max(to, right);
        }
        banded.emplace_back(from, row * RowPixels, to - from, RowPixels);
    }
    QRegion region;
    region.setRects(banded.data(), static_cast<int>(banded.size()));
    return region;
}

} // namespace

// Damage gathers in damage_ until Qt is about to repaint, and is handed to Qt
// then as one region of a few rectangles: handing Qt each of the hundreds of
// rectangles of a click would cost a region union apiece. To have Qt schedule
// that repaint at all, the first damage asks it to repaint one pixel, unless
// the window is hidden or cannot repaint yet, where Qt ignores the request
// (and repaints everything once it can).
void FormWindow::addDamage(const QRect& pixels) {
    const QRect seen = pixels & rect();
    if (!seen.isEmpty() && !damageAll_)
        damage_.push_back(seen);
    if (damage_.size() > MaxDamageRects) {
        damageAll_ = true;
        damage_.clear();
    }
    if (!repaintAsked_ && isVisible() && updatesEnabled() && !rect().isEmpty()) {
        update(QRect(0, 0, 1, 1));
        repaintAsked_ = true;
    }
}

void FormWindow::passDamageToQt() {
    if (damageAll_)
        update();
    else if (!damage_.empty())
        update(inRows(damage_));
    damage_.clear();
    damageAll_ = false;
    repaintAsked_ = false;
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest)
        passDamageToQt();
    return QWidget::event(event);
}

// Repaints the region Qt asks for (which it also clips the painter to): the
// background there, then, in their order, the drawn items that reach into it.
// Every other item leaves the region's pixels alone, so skipping it changes
// nothing.
void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion& region = event->region();
    const QColor back = toQColor(surface_.backColor());
    for (const QRect& r : region)
        painter.fillRect(r, back);
    surface_.paint(painter, twipsPerPixel(), &region);
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (!onMouseDown)
        return;
    const QPointF pos = event->position();
    // Qt keeps the modifier keys from bit 25 up as Shift, Control, Alt, Meta:
    // shifted down they become the bits Shift 1, Ctrl 2, Alt 4 (and Meta 8).
    onMouseDown(static_cast<int>(event->button()), static_cast<int>(event->modifiers() >> 25),
                pixelsToTwips(pos.x()), pixelsToTwips(pos.y()));
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ++resizeEvents_;
    if (shownOnce_)
        fireResize();
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager reports its frame only after mapping the window, often
    // with a move and no resize of the client area: the outer size changed.
    if (shownOnce_ && frameGeometry().size() != reportedOuter_)
        fireResize();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && shownOnce_)
        fireResize();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_ && !event->spontaneous()) {
        shownOnce_ = true;
        if (QWindow* handle = windowHandle())
            handle->installEventFilter(this);
        fireResize();
    }
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    // Some window managers (openbox among them) frame a window without moving
    // or resizing its client area, so no event tells of the frame; the window
    // is exposed only after it is framed, and then the outer size is known.
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        frameGeometry().size() != reportedOuter_)
        fireResize();
    return QWidget::eventFilter(watched, event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (onClose)
        onClose();
    event->accept();
}

void FormWindow::fireResize() {
    // A handler that keeps resizing (say, against a window manager that
    // refuses the size) must not recurse without end.
    if (!onResize || resizeDepth_ >= MaxResizeNesting)
        return;
    reportedOuter_ = frameGeometry().size();
    ++resizeDepth_;
    onResize();
    --resizeDepth_;
}

namespace {

// Makes Enter and Return press the window's default button. Enter in a
// multi-line text box still starts a new line there, and a button that has the focus
// still answers its own keys; only presses that no control takes reach the
// window, and those press the default button.
class DefaultButtonKeys final : public QObject {
public:
    DefaultButtonKeys(QWidget* window, QPushButton* button) : QObject(window), button_(button) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && watched == parent()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
                button_->isVisible() && button_->isEnabled()) {
                button_->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* button_;
};

// Holds a closed window until the event loop comes back.
class ClosedWindow final : public QObject {
public:
    explicit ClosedWindow(std::shared_ptr<void> window) : window_(std::move(window)) {}

private:
    std::shared_ptr<void> window_;
};

} // namespace

void setDefaultButton(QWidget& window, QPushButton* button) {
    button->setDefault(true);
    new DefaultButtonKeys(&window, button);
}

void releaseLater(std::shared_ptr<void> window) {
    (new ClosedWindow(std::move(window)))->deleteLater();
}

void showInFront(QWidget& window) {
    if (window.windowState() & Qt::WindowMinimized)
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace ui
