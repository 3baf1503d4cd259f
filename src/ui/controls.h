// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/twips.h"

#include <QPalette>
#include <QString>

#include <functional>
#include <span>

class QWidget;
class QPushButton;
class QRadioButton;
class QLineEdit;
class QPlainTextEdit;

namespace ui {

// How a label or a text box places its text.
enum class Align { Left, Centre, Right };

// A control of a window, seen through the properties the game uses. Positions
// and sizes are twips relative to the container's top-left corner; the values
// set are kept exactly (also half twips) and converted to whole pixels only
// for Qt. The Qt widget belongs to its parent widget; this object is only a
// view of it and must not outlive it.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    // Creates the Qt widget inside `parent`, which owns it.
    virtual void create(QWidget* parent) = 0;
    QWidget* widget() const { return widget_; }

    // The text the control shows: the caption of a label or a button, the
    // text of a text box. Controls without one ignore it.
    virtual void setCaption(const QString&) {}
    // Where a label or a text box places its text; others ignore it.
    virtual void setAlignment(Align) {}

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    void setGeometry(double left, double top, double width, double height);

    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    void setEnabled(bool enabled);

    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour c);
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour c);

    QString toolTipText() const;
    void setToolTipText(const QString& text);

    // What assistive technology (a screen reader) calls the control is the
    // name given here, else the caption it shows, else its tooltip, kept up to
    // date as the caption and tooltip change. This names a control that shows no caption of its
    // own, such as an option button under the label that names it. `description` says what the
    // control is for; empty, the tooltip serves as the description.
    void setAccessibleName(const QString& name, const QString& description = {});

    void setFont(const FontSpec& font);

    void setFocus();
    bool hasFocus() const;

    // Makes the control the next one in the keyboard order after `previous`.
    void setTabAfter(const Control& previous);

protected:
    // Takes `widget` as the control's own; its fore and back colours are the
    // palette's `foreRole` and `backRole`.
    void attach(QWidget* widget, QPalette::ColorRole foreRole = QPalette::WindowText,
                QPalette::ColorRole backRole = QPalette::Window);
    // Called after the widget has taken a new geometry.
    virtual void geometryChanged() {}
    // The caption the control shows; empty for a control without one.
    virtual QString shownCaption() const { return {}; }
    // Gives the widget its accessible name again after a caption, tooltip or
    // name change.
    void updateAccessibleName();

    QWidget* widget_ = nullptr;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;

private:
    // Applies the two colours to the widget's palette.
    void applyColours();

    Colour foreColor_ = 0;
    Colour backColor_ = RGB(255, 255, 255);
    QString givenName_;
    QPalette::ColorRole foreRole_ = QPalette::WindowText;
    QPalette::ColorRole backRole_ = QPalette::Window;
};

// A label: text only, drawn over whatever lies below it. A CR LF in the
// caption is a line break.
class Label : public Control {
public:
    void create(QWidget* parent) override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption) override;
    void setAlignment(Align align) override;

    // Called when the player clicks the label.
    std::function<void()> onClick;
    // Lets mouse presses pass through to what lies below.
    void setTransparentForMouse(bool transparent);
    // Lets the label grow below its designed height when its lines need more
    // room in the installed font than the design allowed, so that no line is
    // cut off. Its Height property stays as set.
    void setGrowsToFit(bool grows);

protected:
    QString shownCaption() const override;
    void geometryChanged() override;

private:
    QString caption_;
    bool growsToFit_ = false;
};

// A push button whose face shows its back colour: one flat fill under a thin
// raised bevel, sunken while pressed, whatever the application style.
class CommandButton : public Control {
public:
    void create(QWidget* parent) override;
    void setCaption(const QString& caption) override;
    QPushButton* button() const;
    void click();

    std::function<void()> onClick;

protected:
    QString shownCaption() const override;
};

// An option button. The option buttons of one container are exclusive. Its
// whole rectangle shows its back colour; its circle stays whole within what
// the container shows of the button. The option buttons of a container are one
// stop of the keyboard order, on the selected button (on each while none is
// selected); the arrow keys select the previous or next enabled button of
// the container, left to right and round, as a click does.
class OptionButton : public Control {
public:
    void create(QWidget* parent) override;
    bool value() const;
    // Selecting clears the other buttons of the container; clearing leaves
    // the container with no selection.
    void setValue(bool value);
    QRadioButton* radio() const;

    // Called when the player selects the button.
    std::function<void()> onClick;
};

// The index of the first selected button of buttons[first .. last], or -1
// when none of them is selected.
int firstSelected(std::span<const OptionButton> buttons, int first, int last);

// A frame: a container with an opaque background, so that it covers what is
// drawn under it. Mouse presses on it never reach the window below.
class Frame : public Control {
public:
    explicit Frame(bool border = false) : border_(border) {}
    void create(QWidget* parent) override;

private:
    bool border_;
};

// A text box, single-line or multi-line. Its text is read and written with
// CR LF line breaks.
class TextBox : public Control {
public:
    explicit TextBox(bool multiLine = false) : multiLine_(multiLine) {}
    void create(QWidget* parent) override;
    QString text() const;
    void setText(const QString& text);
    void setCaption(const QString& text) override { setText(text); }
    void setAlignment(Align align) override;
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QLineEdit* lineEdit() const { return line_; }

private:
    bool multiLine_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* edit_ = nullptr;
};

} // namespace ui
