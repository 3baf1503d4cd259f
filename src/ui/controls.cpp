// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include "ui/fonts.h"
#include "ui/widgets.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace ui {
namespace {

QString toCrLf(QString text) {
    text.replace(QLatin1Char('\n'), CrLf);
    return text;
}

QString fromCrLf(QString text) {
    text.replace(CrLf, QStringLiteral("\n"));
    return text;
}

// The horizontal part of the Qt alignment of `align`.
Qt::Alignment horizontal(Align align) {
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

// The document position `count` characters after `from` in `plain`, counting
// a line break as two characters (CR LF) as the text box's positions do,
// where the document counts it as one.
int plainPosition(const QString& plain, int from, int count) {
    int pos = from;
    for (int crlf = 0; pos < plain.size() && crlf < count; ++pos)
        crlf += plain.at(pos) == QLatin1Char('\n') ? 2 : 1;
    return pos;
}

} // namespace

// --- Control -------------------------------------------------------------

void Control::attach(QWidget* widget, QPalette::ColorRole foreRole, QPalette::ColorRole backRole) {
    widget_ = widget;
    foreRole_ = foreRole;
    backRole_ = backRole;
    foreColor_ = fromQColor(widget->palette().color(foreRole));
    backColor_ = fromQColor(widget->palette().color(backRole));
}

void Control::setLeft(double left) {
    setGeometry(left, top_, width_, height_);
}
void Control::setTop(double top) {
    setGeometry(left_, top, width_, height_);
}
void Control::setWidth(double width) {
    setGeometry(left_, top_, width, height_);
}
void Control::setHeight(double height) {
    setGeometry(left_, top_, width_, height);
}

void Control::setGeometry(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    const int x = twipsToPixel(left);
    const int y = twipsToPixel(top);
    widget_->setGeometry(x, y, twipsToPixel(left + width) - x, twipsToPixel(top + height) - y);
    geometryChanged();
}

bool Control::visible() const {
    return !widget_->isHidden();
}
void Control::setVisible(bool visible) {
    widget_->setVisible(visible);
}
bool Control::enabled() const {
    return widget_->isEnabled();
}
void Control::setEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

void Control::setForeColor(Colour c) {
    foreColor_ = c;
    applyColours();
}

void Control::setBackColor(Colour c) {
    backColor_ = c;
    applyColours();
}

void Control::applyColours() {
    QPalette pal = widget_->palette();
    pal.setColor(foreRole_, toQColor(foreColor_));
    pal.setColor(backRole_, toQColor(backColor_));
    widget_->setPalette(pal);
}

QString Control::toolTipText() const {
    return widget_->toolTip();
}
void Control::setToolTipText(const QString& text) {
    widget_->setToolTip(text);
    updateAccessibleName();
}

void Control::setAccessibleName(const QString& name, const QString& description) {
    givenName_ = name;
    widget_->setAccessibleDescription(description);
    updateAccessibleName();
}

void Control::updateAccessibleName() {
    QString name = givenName_;
    if (name.isEmpty())
        name = shownCaption();
    if (name.isEmpty())
        name = widget_->toolTip();
    if (widget_->accessibleName() != name)
        widget_->setAccessibleName(name);
}

void Control::setFont(const FontSpec& font) {
    widget_->setFont(makeFont(font));
    geometryChanged();
}

void Control::setFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}
bool Control::hasFocus() const {
    return widget_->hasFocus();
}

void Control::setTabAfter(const Control& previous) {
    QWidget::setTabOrder(previous.widget_, widget_);
}

// --- Label ---------------------------------------------------------------

void Label::create(QWidget* parent) {
    auto* label = new ClickLabel(parent);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->clickable = [this] {
        return static_cast<bool>(onClick);
    };
    label->clicked = [this] {
        if (onClick)
            onClick();
    };
    attach(label);
    setAlignment(Align::Left);
}

void Label::setAlignment(Align align) {
    static_cast<QLabel*>(widget_)->setAlignment(horizontal(align) | Qt::AlignTop);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    static_cast<QLabel*>(widget_)->setText(fromCrLf(caption));
    updateAccessibleName();
    geometryChanged();
}

void Label::setGrowsToFit(bool grows) {
    growsToFit_ = grows;
    geometryChanged();
}

void Label::geometryChanged() {
    if (!growsToFit_)
        return;
    const int designed = twipsToPixel(top_ + height_) - twipsToPixel(top_);
    const int needed = static_cast<QLabel*>(widget_)->sizeHint().height();
    widget_->resize(widget_->width(), qMax(designed, needed));
}

QString Label::shownCaption() const {
    return fromCrLf(caption_);
}

void Label::setTransparentForMouse(bool transparent) {
    widget_->setAttribute(Qt::WA_TransparentForMouseEvents, transparent);
}

// --- CommandButton -------------------------------------------------------

void CommandButton::create(QWidget* parent) {
    auto* button = new FaceButton(parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (onClick)
            onClick();
    });
    attach(button, QPalette::ButtonText, QPalette::Button);
    updateAccessibleName();
}

QPushButton* CommandButton::button() const {
    return static_cast<QPushButton*>(widget_);
}
void CommandButton::setCaption(const QString& caption) {
    button()->setText(caption);
    updateAccessibleName();
}

QString CommandButton::shownCaption() const {
    return button()->text();
}
void CommandButton::click() {
    button()->click();
}

// --- OptionButton --------------------------------------------------------

void OptionButton::create(QWidget* parent) {
    auto* radio = new OptionRadio(parent);
    radio->setAutoFillBackground(true);
    // The back colour is the palette's Window colour over the whole button.
    radio->setBackgroundRole(QPalette::Window);
    QObject::connect(radio, &QRadioButton::clicked, radio, [this] {
        if (onClick && value())
            onClick();
    });
    QObject::connect(radio, &QRadioButton::toggled, radio, [radio] { setGroupTabStop(radio); });
    attach(radio);
}

QRadioButton* OptionButton::radio() const {
    return static_cast<QRadioButton*>(widget_);
}
bool OptionButton::value() const {
    return radio()->isChecked();
}

void OptionButton::setValue(bool value) {
    if (value) {
        radio()->setChecked(true);
        return;
    }
    // An exclusive button cannot be cleared directly.
    radio()->setAutoExclusive(false);
    radio()->setChecked(false);
    radio()->setAutoExclusive(true);
}

int firstSelected(std::span<const OptionButton> buttons, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (buttons[i].value())
            return i;
    }
    return -1;
}

// --- Frame ---------------------------------------------------------------

void Frame::create(QWidget* parent) {
    auto* frame = new SolidFrame(parent);
    frame->setAutoFillBackground(true);
    frame->setFrameStyle(border_ ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    attach(frame);
}

// --- TextBox -------------------------------------------------------------

void TextBox::create(QWidget* parent) {
    if (multiLine_) {
        edit_ = new QPlainTextEdit(parent);
        edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit_->setTabChangesFocus(true);
        attach(edit_, QPalette::Text, QPalette::Base);
    } else {
        line_ = new QLineEdit(parent);
        // A single-line box holds no line breaks: a pasted CR or LF becomes a
        // blank, so text taken from the box never splits a line of output.
        QObject::connect(line_, &QLineEdit::textChanged, line_, [edit = line_](const QString& t) {
            if (!t.contains(QLatin1Char('\r')) && !t.contains(QLatin1Char('\n')))
                return;
            const int cursor = edit->cursorPosition();
            QString flat = t;
            flat.replace(CrLf, QStringLiteral(" "));
            flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
            flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
            edit->setText(flat);
            edit->setCursorPosition(qMin(cursor, int(flat.size())));
        });
        attach(line_, QPalette::Text, QPalette::Base);
    }
}

QString TextBox::text() const {
    return edit_ ? toCrLf(edit_->toPlainText()) : line_->text();
}

void TextBox::setText(const QString& text) {
    if (edit_)
        edit_->setPlainText(fromCrLf(text));
    else
        line_->setText(text);
}

int TextBox::selStart() const {
    if (edit_) {
        const QTextCursor cursor = edit_->textCursor();
        return toCrLf(edit_->toPlainText().left(cursor.selectionStart())).size();
    }
    return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
}

int TextBox::selLength() const {
    if (edit_)
        return toCrLf(edit_->textCursor().selectedText().replace(QChar::ParagraphSeparator,
                                                                 QLatin1Char('\n')))
            .size();
    return line_->selectedText().size();
}

void TextBox::setSelStart(int start) {
    if (edit_) {
        QTextCursor cursor = edit_->textCursor();
        cursor.setPosition(plainPosition(edit_->toPlainText(), 0, start));
        edit_->setTextCursor(cursor);
    } else {
        line_->setCursorPosition(start);
    }
}

void TextBox::setSelLength(int length) {
    if (edit_) {
        QTextCursor cursor = edit_->textCursor();
        cursor.setPosition(plainPosition(edit_->toPlainText(), cursor.position(), length),
                           QTextCursor::KeepAnchor);
        edit_->setTextCursor(cursor);
    } else {
        line_->setSelection(line_->cursorPosition(), length);
    }
}

void TextBox::setAlignment(Align align) {
    if (line_)
        line_->setAlignment(horizontal(align) | Qt::AlignVCenter);
}

} // namespace ui
