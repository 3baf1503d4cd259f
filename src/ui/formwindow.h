#pragma once

#include "ui/surface.h"
#include "ui/twips.h"

#include <QWidget>

#include <functional>

namespace ui {

// A top-level window of the game: a client area that replays a retained
// drawing surface, reports every mouse press in twips, and tells its owner
// when its size or state changes and when it is closed. Outer sizes (frame
// included) are twips.
class FormWindow final : public QWidget {
public:
    explicit FormWindow(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // The client area in twips, on the screen.
    void setClientGeometry(double left, double top, double width, double height);

    // Outer size, frame and title bar included.
    double outerWidth() const;
    double outerHeight() const;
    void setOuterWidth(double width);
    void setOuterHeight(double height);

    // 0 normal, 1 minimised, 2 maximised.
    int windowStateCode() const;
    void setWindowStateCode(int state);

    // Width of the screen the window is on, in twips.
    double screenWidth() const;

    Colour backColor() const { return surface_.backColor(); }
    // Sets the background and erases everything drawn.
    void setBackColor(Colour c);
    Colour foreColor() const { return surface_.foreColor(); }
    void setForeColor(Colour c) { surface_.setForeColor(c); }

    // Every press of any mouse button on the client area outside the
    // controls: button, modifier keys, and the position in twips (not rounded).
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    // After every change of size or window state, and when first shown.
    std::function<void()> onResize;
    // When the window is being closed (title-bar button, close()).
    std::function<void()> onClose;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fireResize();
    QSize frameExtra() const;

    Surface surface_;
    bool shownOnce_ = false;
};

} // namespace ui
