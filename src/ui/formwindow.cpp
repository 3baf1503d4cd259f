#include "ui/formwindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

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

void FormWindow::setOuterWidth(double width) {
    resize(qMax(1, twipsToPixel(width) - frameExtra().width()), height());
}

void FormWindow::setOuterHeight(double height) {
    resize(QWidget::width(), qMax(1, twipsToPixel(height) - frameExtra().height()));
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
    if (shownOnce_)
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
        fireResize();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (onClose)
        onClose();
    event->accept();
}

void FormWindow::fireResize() {
    if (onResize)
        onResize();
}

} // namespace ui
