// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include "ui/fonts.h"
#include "ui/services.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

QString toCrLf(QString text) {
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString fromCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// A label that reports clicks when it has a click handler, and otherwise lets
// presses go on to its container like a plain QLabel.
class ClickLabel final : public QLabel {
public:
    using QLabel::QLabel;
    std::function<bool()> clickable;
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (clickable && clickable())
            e->accept();
        else
            QLabel::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (clickable && clickable() && rect().contains(e->position().toPoint())) {
            e->accept();
            clicked();
            return;
        }
        QLabel::mouseReleaseEvent(e);
    }
};

// A frame keeps the presses on it: the command bar is not part of the board.
class SolidFrame final : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
};

// A command button in the graphical style of the designs: one flat fill of
// its back colour (the palette's Button colour) under a thin raised bevel,
// sunken while pressed, a dotted focus rectangle inside the face while it has
// the focus, and grey text while disabled. The application style would paint
// a gradient instead, which hides the designed colour.
class FaceButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        const QColor face = palette().color(QPalette::Button);
        p.fillRect(r, face);
        const bool sunken = isDown();
        const QColor light(255, 255, 255), dark(64, 64, 64), shadow = face.darker(200);
        // Outer edges one pixel, the inner shadow one pixel more.
        const auto edges = [&p](const QRect& e, const QColor& topLeft, const QColor& bottomRight) {
            p.fillRect(e.left(), e.top(), e.width(), 1, topLeft);
            p.fillRect(e.left(), e.top(), 1, e.height(), topLeft);
            p.fillRect(e.left(), e.bottom(), e.width(), 1, bottomRight);
            p.fillRect(e.right(), e.top(), 1, e.height(), bottomRight);
        };
        if (sunken) {
            edges(r, dark, light);
            edges(r.adjusted(1, 1, -1, -1), shadow, face);
        } else {
            edges(r, light, dark);
            edges(r.adjusted(1, 1, -1, -1), face, shadow);
        }
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::ButtonText), 0, Qt::DotLine));
            p.drawRect(r.adjusted(3, 3, -4, -4));
        }
        p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
        p.drawText(sunken ? r.translated(1, 1) : r, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
};

// The option buttons of one container, left to right.
QList<QRadioButton*> groupOf(const QRadioButton* button) {
    QList<QRadioButton*> group =
        button->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(group.begin(), group.end(), [](const QWidget* a, const QWidget* b) {
        return a->x() != b->x() ? a->x() < b->x() : a->y() < b->y();
    });
    return group;
}

// Makes a group of option buttons one stop of the keyboard order: its
// selected button, or every button while none is selected.
void setGroupTabStop(const QRadioButton* member) {
    const QList<QRadioButton*> group = groupOf(member);
    const bool anySelected = std::any_of(group.begin(), group.end(),
                                         [](const QRadioButton* b) { return b->isChecked(); });
    for (QRadioButton* b : group)
        b->setFocusPolicy(!anySelected || b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// An option button whose whole rectangle shows its back colour, with the
// circle drawn whole and round inside the part of the button its container
// shows (a designed button may reach below the bottom of its frame). The
// arrow keys move the selection within its group, each move a click.
class OptionRadio final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        const int shown = qBound(0, parentWidget()->height() - y(), height());
        const int side =
            std::min({style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, this),
                      width(), shown});
        opt.rect = QRect(0, (shown - side) / 2, side, side);
        style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &opt, &p, this);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = opt.rect;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }
    // The whole rectangle takes clicks, not only the circle.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void focusInEvent(QFocusEvent* e) override {
        QRadioButton::focusInEvent(e);
        setGroupTabStop(this);
    }
    void keyPressEvent(QKeyEvent* e) override {
        int step = 0;
        if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Up)
            step = -1;
        else if (e->key() == Qt::Key_Right || e->key() == Qt::Key_Down)
            step = 1;
        if (step == 0 || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            QRadioButton::keyPressEvent(e);
            return;
        }
        QList<QRadioButton*> group = groupOf(this);
        group.removeIf([this](const QRadioButton* b) {
            return b != this && (!b->isEnabled() || b->isHidden());
        });
        const qsizetype n = group.size();
        QRadioButton* next = group.at((group.indexOf(this) + step + n) % n);
        if (next == this)
            return;
        next->setFocus(Qt::TabFocusReason);
        next->click();
    }
};

} // namespace

// --- Control -------------------------------------------------------------

void Control::attach(QWidget* widget) {
    widget_ = widget;
    const QPalette pal = widget->palette();
    foreColor_ = fromQColor(pal.color(widget->foregroundRole()));
    backColor_ = fromQColor(pal.color(widget->backgroundRole()));
    font_ = FontSpec{widget->font().family(), widget->font().pointSizeF(), false, false};
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
    pal.setColor(QPalette::WindowText, toQColor(foreColor_));
    pal.setColor(QPalette::Window, toQColor(backColor_));
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
    font_ = font;
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
    auto* label = static_cast<QLabel*>(widget_);
    switch (align) {
    case Align::Left:
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    case Align::Centre:
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        break;
    case Align::Right:
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        break;
    }
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
    attach(button);
    foreColor_ = fromQColor(button->palette().color(QPalette::ButtonText));
    backColor_ = fromQColor(button->palette().color(QPalette::Button));
    updateAccessibleName();
}

QPushButton* CommandButton::button() const {
    return static_cast<QPushButton*>(widget_);
}
QString CommandButton::caption() const {
    return button()->text();
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

void CommandButton::applyColours() {
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::ButtonText, toQColor(foreColor_));
    pal.setColor(QPalette::Button, toQColor(backColor_));
    widget_->setPalette(pal);
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
        attach(edit_);
    } else {
        line_ = new QLineEdit(parent);
        // A single-line box holds no line breaks: a pasted CR or LF becomes a
        // blank, so text taken from the box never splits a line of output.
        QObject::connect(line_, &QLineEdit::textChanged, line_, [edit = line_](const QString& t) {
            if (!t.contains(QLatin1Char('\r')) && !t.contains(QLatin1Char('\n')))
                return;
            const int cursor = edit->cursorPosition();
            QString flat = t;
            flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
            flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
            edit->setText(flat);
            edit->setCursorPosition(qMin(cursor, int(flat.size())));
        });
        attach(line_);
    }
    foreColor_ = fromQColor(widget_->palette().color(QPalette::Text));
    backColor_ = fromQColor(widget_->palette().color(QPalette::Base));
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
        // Positions count CR LF as two characters, the document as one.
        const QString plain = edit_->toPlainText();
        int pos = 0;
        for (int crlf = 0; pos < plain.size() && crlf < start; ++pos)
            crlf += plain.at(pos) == QLatin1Char('\n') ? 2 : 1;
        QTextCursor cursor = edit_->textCursor();
        cursor.setPosition(pos);
        edit_->setTextCursor(cursor);
    } else {
        line_->setCursorPosition(start);
    }
}

void TextBox::setSelLength(int length) {
    if (edit_) {
        const QString plain = edit_->toPlainText();
        QTextCursor cursor = edit_->textCursor();
        int pos = cursor.position();
        for (int crlf = 0; pos < plain.size() && crlf < length; ++pos)
            crlf += plain.at(pos) == QLatin1Char('\n') ? 2 : 1;
        cursor.setPosition(pos, QTextCursor::KeepAnchor);
        edit_->setTextCursor(cursor);
    } else {
        line_->setSelection(line_->cursorPosition(), length);
    }
}

void TextBox::setAlignment(Align align) {
    if (line_)
        line_->setAlignment(align == Align::Centre  ? Qt::AlignCenter
                            : align == Align::Right ? Qt::AlignRight | Qt::AlignVCenter
                                                    : Qt::AlignLeft | Qt::AlignVCenter);
}

void TextBox::applyColours() {
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Text, toQColor(foreColor_));
    pal.setColor(QPalette::Base, toQColor(backColor_));
    widget_->setPalette(pal);
}

// --- Timer ---------------------------------------------------------------

void Timer::create(QObject* parent) {
    timer_ = new QTimer(parent);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        if (onTimer)
            onTimer();
    });
}

void Timer::setInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    if (interval_ == 0) {
        timer_->stop();
    } else {
        timer_->start(interval_);
    }
}

bool Timer::running() const {
    return timer_->isActive();
}

// --- CommonDialog --------------------------------------------------------

void CommonDialog::create(ColorPicker* picker, QWidget* parent) {
    picker_ = picker;
    parent_ = parent;
}

bool CommonDialog::showColor() {
    const Colour initial = (flags_ & 1) ? color_ : RGB(255, 255, 255);
    const std::optional<Colour> chosen = picker_->pick(initial, parent_);
    if (!chosen)
        return !cancelError_;
    color_ = *chosen;
    return true;
}

// --- Window designs ------------------------------------------------------

void buildControls(QWidget* window, std::span<const ControlRow> rows) {
    // A control designed without a font takes the platform's default one,
    // not the font of its container.
    const QFont platformFont;
    const FontSpec defaultFont{platformFont.family(), platformFont.pointSizeF(), false, false};
    std::vector<const ControlRow*> byTab;
    for (const ControlRow& row : rows) {
        Control& c = row.control;
        c.create(row.container ? row.container->widget() : window);
        c.setAlignment(row.align);
        if (!row.caption.isEmpty())
            c.setCaption(row.caption);
        c.setFont(row.font.value_or(defaultFont));
        if (row.fore)
            c.setForeColor(*row.fore);
        if (row.back)
            c.setBackColor(*row.back);
        if (!row.tip.isEmpty())
            c.setToolTipText(row.tip);
        c.setGeometry(row.left, row.top, row.width, row.height);
        if (c.widget()->focusPolicy() != Qt::NoFocus)
            byTab.push_back(&row);
    }
    std::stable_sort(byTab.begin(), byTab.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    for (std::size_t i = 1; i < byTab.size(); ++i)
        byTab[i]->control.setTabAfter(byTab[i - 1]->control);
}

} // namespace ui
