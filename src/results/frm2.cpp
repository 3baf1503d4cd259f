#include "results/frm2.h"

#include "frm1.h"
#include "ui/fonts.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

using ui::FontSpec;
using ui::RGB;

namespace {

constexpr ui::Colour Pale = RGB(192, 255, 192); // window and frame
constexpr ui::Colour ButtonFace = RGB(128, 255, 128);

const QString CrLf = QStringLiteral("\r\n");
const QString Instruction =
    QStringLiteral("メモ帳にコピーして、.txtファイルではなく."
                   "csvファイルで保存して、Excelなどで開いて整えてください。");

FontSpec pGothic(double size) {
    return {ui::PGothic, size, false, false};
}

// Makes Enter and Return press the window's default button. Enter in the
// text box still starts a new line there, and a button that has the focus
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

// Holds a closed results window until the event loop comes back, so that the
// window is never destroyed inside one of its own handlers.
class ClosedWindow final : public QObject {
public:
    explicit ClosedWindow(std::unique_ptr<results::Frm2> window) : window_(std::move(window)) {}

private:
    std::unique_ptr<results::Frm2> window_;
};

} // namespace

namespace results {

Frm2::Frm2(Frm1& board) : board_(board), form_(std::make_unique<ui::FormWindow>()) {
    buildControls();
    connectHandlers();
    Form_Load();
}

Frm2::~Frm2() {
    form_->onClose = nullptr;
    form_->onResize = nullptr;
    form_->close();
}

void Frm2::show() {
    ui::FormWindow& w = *form_;
    if (w.windowState() & Qt::WindowMinimized)
        w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    if (w.isVisible())
        w.raise();
    w.show();
    w.activateWindow();
    if (!shown_) {
        shown_ = true;
        cmdTxet.setFocus();
    }
}

void Frm2::buildControls() {
    ui::FormWindow& w = *form_;
    w.setCaption(QStringLiteral("成績・結果"));
    w.setFont(ui::makeFont(pGothic(12)));
    w.setBackColor(Pale);
    w.setClientGeometry(1320, 2016, 6216, 6336);

    fra3.create(&w, true);
    fra3.setBackColor(Pale);
    fra3.setFont(pGothic(9));
    fra3.setGeometry(1080, 120, 3972, 612);

    // One row, 960 twips apart, in the focus order of the design.
    struct ButtonDesign {
        ui::CommandButton& button;
        QString caption;
        QString tip;
    };
    const std::array<ButtonDesign, 4> buttons = {{
        {cmdTxet, QStringLiteral("読込む"), QStringLiteral("保存してある一覧を表示します")},
        {cmdCopy, QStringLiteral("コピー"), QStringLiteral("クリップボードに送ります")},
        {cmdCler, QStringLiteral("消す"), QStringLiteral("保存されてる一覧も消えます")},
        {cmdTojir, QStringLiteral("閉じる"), QStringLiteral("この一覧だけ閉じます")},
    }};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        ui::CommandButton& b = buttons[i].button;
        b.create(fra3.widget(), buttons[i].caption);
        b.setFont(pGothic(10.8));
        b.setBackColor(ButtonFace);
        b.setToolTipText(buttons[i].tip);
        b.setGeometry(120 + 960 * static_cast<double>(i), 150, 850, 372);
        if (i > 0)
            b.setTabAfter(buttons[i - 1].button);
    }

    txt2.create(&w, true);
    txt2.setFont(pGothic(10.8));
    txt2.setGeometry(360, 840, 5532, 5292);
    txt2.setTabAfter(cmdTojir);
    // Neither caption nor tooltip: a screen reader names the box after its window.
    txt2.setAccessibleName(QStringLiteral("成績・結果"));

    cmdTxet.button()->setDefault(true);
    new DefaultButtonKeys(&w, cmdTxet.button());
}

void Frm2::connectHandlers() {
    form_->onResize = [this] {
        Form_Resize();
    };
    form_->onClose = [this] {
        formClosed();
    };
    cmdTxet.onClick = [this] {
        cmdTxet_Click();
    };
    cmdCopy.onClick = [this] {
        cmdCopy_Click();
    };
    cmdCler.onClick = [this] {
        cmdCler_Click();
    };
    cmdTojir.onClick = [this] {
        cmdTojir_Click();
    };
}

void Frm2::formClosed() {
    // Only the board's own results window is taken out; the object is freed
    // once the event that closed it has been handled.
    if (board_.frm2_.get() != this)
        return;
    (new ClosedWindow(std::move(board_.frm2_)))->deleteLater();
}

void Frm2::Form_Load() {
    txt2.setText(board_.Itiran + CrLf + CrLf + Instruction);
}

void Frm2::Form_Resize() {
    // A window smaller than the margins would give a negative size: that
    // assignment is skipped and the text box keeps its last size.
    const double width = form_->outerWidth() - 750;
    if (width >= 0)
        txt2.setWidth(width);
    const double height = form_->outerHeight() - 1500;
    if (height >= 0)
        txt2.setHeight(height);
}

void Frm2::cmdTxet_Click() {
    Form_Load();
}

void Frm2::cmdCopy_Click() {
    ui::Clipboard& clipboard = *board_.services().clipboard;
    clipboard.clear();
    clipboard.setText(txt2.text());
    txt2.setSelStart(0);
    txt2.setSelLength(static_cast<int>(txt2.text().size()));
    txt2.setFocus();
    cmdTxet.setFocus();
}

void Frm2::cmdCler_Click() {
    txt2.setText(QString());
    board_.Itiran.clear();
    cmdTojir.setFocus();
}

void Frm2::cmdTojir_Click() {
    form_->close();
}

} // namespace results

// The results window, modeless and without owner: created (and loaded) when
// closed, else only brought to the front with its text as it was.
void Frm1::cmdHyou_Click() {
    if (!frm2_)
        frm2_ = std::make_unique<results::Frm2>(*this);
    frm2_->show();
}
