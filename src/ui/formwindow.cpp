#include "ui/formwindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace ui {

FormWindow::FormWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.changed = [this] {
        update();
    };
}

void FormWindow::setClientGeometry(double left, double top, double width, double height) {
    setGeometry(twipsToPixel(left), twipsToPixel(top), twipsToPixel(width), twipsToPixel(height));
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
    update();
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(surface_.backColor()));
    surface_.paint(painter, twipsPerPixel());
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (!onMouseDown)
        return;
    const QPointF pos = event->position();
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

} // namespace ui
