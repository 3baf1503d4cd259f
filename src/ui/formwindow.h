// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/surface.h"
#include "ui/twips.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QPushButton;

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

    // The client area in twips, on the screen. An area that would reach past
    // the screen's available area is moved in, and shrunk only where it
    // cannot fit.
    void setClientGeometry(double left, double top, double width, double height);

    // Outer size, frame and title bar included. The setters round up to
    // whole pixels, so the outer size is at least the value asked for. They
    // change nothing while the window is minimised, maximised or full screen,
    // where its size belongs to the window manager. A change they make is
    // always followed by onResize, nested inside the call.
    double outerWidth() const;
    double outerHeight() const;
    void setOuterWidth(double width);
    void setOuterHeight(double height);

    // The client area's size in twips: the board as the player sees it.
    double clientWidth() const { return pixelsToTwips(width()); }
    double clientHeight() const { return pixelsToTwips(height()); }

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
    // After every change of size or window state, and when first shown. An
    // outer size that changes only because the window manager's frame became
    // known after mapping (with a move, or only by the time the window is
    // first exposed) counts as a change of size. Runs nested inside a
    // size change made by the handler itself, at most MaxResizeNesting deep.
    std::function<void()> onResize;
    static constexpr int MaxResizeNesting = 4;
    // When the window is being closed (title-bar button, close()).
    std::function<void()> onClose;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fireResize();
    QSize frameExtra() const;
    void resizeClient(QSize size);

    void addDamage(const QRect& pixels);
    void passDamageToQt();

    Surface surface_;
    // What the surface reported since the last repaint, in pixels; handed to
    // Qt, merged, just before Qt repaints.
    std::vector<QRect> damage_;
    bool damageAll_ = false;
    bool repaintAsked_ = false; // Qt has a repaint scheduled that will take damage_
    bool shownOnce_ = false;
    int resizeDepth_ = 0;
    int resizeEvents_ = 0;
    QSize reportedOuter_; // outer size in pixels at the last onResize
};

// Makes `button` the default button of `window`: Enter and Return press it
// whenever no control of the window takes them.
void setDefaultButton(QWidget& window, QPushButton* button);

// Destroys `window` once the event loop comes back, so that a window closed
// from one of its own handlers is never destroyed inside that handler.
void releaseLater(std::shared_ptr<void> window);

// Shows a top-level `window` the player asked for, restored if it was
// minimised, in front of the others and active.
void showInFront(QWidget& window);

} // namespace ui
