// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/frm2.h"

#include "design.h"
#include "frm1.h"
#include "ui/designtable.h"
#include "ui/fonts.h"

#include <functional>

using namespace Qt::Literals::StringLiterals;
using ui::CrLf;

namespace {

const QString Instruction =
    QStringLiteral("メモ帳にコピーして、.txtファイルではなく."
                   "csvファイルで保存して、Excelなどで開いて整えてください。");

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
    using design::ButtonFace;
    using design::pGothic;
    ui::FormWindow& w = *form_;
    w.setCaption(u"成績・結果"_s);
    w.setFont(ui::makeFont(pGothic(12)));
    w.setBackColor(design::Pale);
    w.setClientGeometry(1320, 2016, 6216, 6336);

    const auto L = ui::Align::Left;
    // clang-format off
    const ui::ControlRow rows[] = {
    //   control   in      caption        left  top width height tab font          fore back         align tooltip
        {fra3,     nullptr, {},           1080, 120, 4932,  612, 5, pGothic(9),    {}, design::Pale, L, {}},
        {cmdTxet,  &fra3,   u"読込む"_s,   120, 150,  850,  372, 0, pGothic(10.8), {}, ButtonFace,   L, u"保存してある一覧を表示します"_s},
        {cmdCopy,  &fra3,   u"コピー"_s,  1080, 150,  850,  372, 1, pGothic(10.8), {}, ButtonFace,   L, u"クリップボードに送ります"_s},
        {cmdCler,  &fra3,   u"消す"_s,    2040, 150,  850,  372, 2, pGothic(10.8), {}, ButtonFace,   L, u"保存されてる一覧も消えます"_s},
        {cmdTojir, &fra3,   u"閉じる"_s,  3000, 150,  850,  372, 3, pGothic(10.8), {}, ButtonFace,   L, u"この一覧だけ閉じます"_s},
        {txt2,     nullptr, {},            360, 840, 5532, 5292, 4, pGothic(10.8), {}, {},           L, {}},
        // The history of the games kept: after every other control in the keyboard order.
        {cmdKiroku, &fra3,  u"記録"_s,    3960, 150,  850,  372, 6, pGothic(10.8), {}, ButtonFace,   L, u"これまでの記録を表示します"_s},
    };
    // clang-format on
    ui::buildControls(&w, rows);
    // Neither caption nor tooltip: a screen reader names the box after its window.
    txt2.setAccessibleName(w.caption());

    ui::setDefaultButton(w, cmdTxet.button());
}

void Frm2::connectHandlers() {
    form_->onResize = std::bind_front(&Frm2::Form_Resize, this);
    form_->onClose = [this] {
        if (onClosed)
            onClosed();
    };
    cmdTxet.onClick = std::bind_front(&Frm2::cmdTxet_Click, this);
    cmdCopy.onClick = std::bind_front(&Frm2::cmdCopy_Click, this);
    cmdCler.onClick = std::bind_front(&Frm2::cmdCler_Click, this);
    cmdTojir.onClick = std::bind_front(&Frm2::cmdTojir_Click, this);
    cmdKiroku.onClick = std::bind_front(&Frm2::cmdKiroku_Click, this);
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

void Frm2::cmdKiroku_Click() {
    board_.showHistory();
}

} // namespace results

// The results window, modeless and without owner: created (and loaded) when
// closed, else only brought to the front with its text as it was. Once the
// player closes it, it is no longer the board's (frm2() is null) and it is
// destroyed when the close event has been handled.
void Frm1::cmdHyou_Click() {
    if (!frm2_) {
        frm2_ = std::make_unique<results::Frm2>(*this);
        frm2_->onClosed = [this] {
            ui::releaseLater(std::move(frm2_));
        };
    }
    frm2_->show();
}
