// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "design.h"
#include "history/historywindow.h"
#include "history/recorder.h"
#include "results/frm2.h"
#include "ui/designtable.h"
#include "ui/fonts.h"

#include <QApplication>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using design::pGothic;
using design::uiGothic;
using ui::Align;
using ui::RGB;

Frm1::Frm1(ui::Services services) : services_(services), form_(std::make_unique<ui::FormWindow>()) {
    buildControls();
    connectHandlers();
    Form_Load();
}

Frm1::~Frm1() = default;

history::Recorder& Frm1::recorder() {
    if (!recorder_)
        recorder_ = std::make_unique<history::Recorder>(services_.historyFile);
    return *recorder_;
}

// The history window, created on first use (and with it the chart and the
// store's connection) and kept until the program ends.
void Frm1::showHistory() {
    if (!history_)
        history_ =
            std::make_unique<history::HistoryWindow>(recorder(), [this] { return txt1.text(); });
    history_->open();
}

void Frm1::show() {
    form_->show();
}

results::Frm2* Frm1::frm2() const {
    return frm2_.get();
}

void Frm1::buildControls() {
    ui::FormWindow& w = *form_;
    w.setCaption(u"数字を順にクリックして下さい。"_s);
    w.setFont(ui::makeFont(uiGothic(12)));
    w.setBackColor(design::Pale);
    w.setForeColor(design::Ink);
    w.surface().setFont(uiGothic(12));
    w.setClientGeometry(960, 1212, 12528, 6696);

    using design::ButtonFace;
    using design::Pale;
    const auto nextTip = u"次にクリックする数字"_s;
    const auto startTip = u"初めの数字"_s;
    const auto countTip = u"出る数字の個数"_s;
    const auto narrowTip = u"的中範囲を円内にします"_s;
    const auto middleTip = u"的中範囲をやや広くします"_s;
    const auto wideTip = u"的中範囲を広くします"_s;
    const ui::Colour cyan = RGB(0, 192, 192);
    const ui::Colour red = design::Red;
    const auto L = Align::Left;
    // clang-format off
    const ui::ControlRow rows[] = {
    //   control   in        caption      left   top  width height tab font               fore     back        align          tooltip
        {fra0,     nullptr,  {},             0,    0, 11568,  620,  0, pGothic(9),         {},      Pale,       L,             {}},
        {lblT,     &fra0,    u"0:00:00"_s,  20,  156,   732,  252, 38, uiGothic(10.8, false, true), cyan, {}, L,             u"経過時間"_s},
        {cmdStp,   &fra0,    u"中止"_s,    720,  180,   620,  350, 30, uiGothic(10.8),     {},      ButtonFace, L,             u"初めからやり直します"_s},
        {lbl1[0],  &fra0,    {},          1350,  120,   765,  615, 39, uiGothic(21.6, true), red,   {},         Align::Right,  nextTip},
        {lbl1[1],  &fra0,    {},          2060,   80,   885,  615, 44, uiGothic(27.6, true), red,   {},         Align::Centre, nextTip},
        {fra1[0],  &fra0,    {},          3000,  100,  2400,  440,  1, pGothic(9),         {},      Pale,       L,             startTip},
        {lbl3[0],  &fra0,    u"から"_s,   5420,  240,   420,  300, 25, {},                 {},      {},         L,             {}},
        {fra1[1],  &fra0,    {},          5850,  100,  1340,  440, 21, pGothic(9),         {},      Pale,       L,             countTip},
        {lbl3[1],  &fra0,    u"個"_s,     7190,  240,   375,  300, 26, pGothic(12),        {},      {},         L,             {}},
        {fra1[2],  &fra0,    {},          7500,  100,   700,  440, 45, pGothic(9),         {},      Pale,       L,             {}},
        {cmdCol1,  &fra0,    u"字色"_s,   8300,  130,   490,  300, 41, uiGothic(9),        {},      ButtonFace, L,             u"文字の色を変えます"_s},
        {cmdCol2,  &fra0,    u"地"_s,     8750,  240,   300,  300, 32, uiGothic(9),        {},      ButtonFace, L,             u"背景の色を変えます"_s},
        {cmdOto,   &fra0,    u"音"_s,     9100,  180,   300,  350, 40, uiGothic(9),        {},      ButtonFace, L,             u"正解の時の音を止めます"_s},
        {txt1,     &fra0,    u"無名"_s,   9470,  180,   670,  330, 43, uiGothic(10.2),     {},      Pale,       Align::Centre, u"名前を入れて下さい"_s},
        {cmdHyou,  &fra0,    u"成績"_s,  10200,  180,   550,  350, 42, uiGothic(9),        {},      ButtonFace, L,             u"成績一覧を出します"_s},
        {cmdEnd,   &fra0,    u"終り"_s,  10800,  180,   660,  350,  5, uiGothic(10.8),     {},      ButtonFace, L,             u"プログラムを終ります"_s},
        // The start of the range: a button under each naming label.
        {opt1[0],  &fra1[0], {},             0,  240,   200,  250,  4, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[1],  &fra1[0], {},           270,  240,   200,  250,  3, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[2],  &fra1[0], {},           540,  240,   200,  250,  2, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[3],  &fra1[0], {},           810,  240,   200,  250,  9, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[4],  &fra1[0], {},          1080,  240,   200,  250, 10, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[5],  &fra1[0], {},          1350,  240,   200,  250, 11, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[6],  &fra1[0], {},          1620,  240,   200,  250,  8, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[7],  &fra1[0], {},          1890,  240,   200,  250,  6, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[8],  &fra1[0], {},          2160,  240,   200,  250,  7, pGothic(9),         {},      Pale,       L,             {}},
        {lbl2[0],  &fra1[0], u"0"_s,         0,   30,   200,  252, 12, pGothic(9),         {},      {},         Align::Centre, startTip},
        {lbl2[1],  &fra1[0], u"10"_s,      270,   30,   204,  252, 13, pGothic(9),         {},      {},         L,             startTip},
        {lbl2[2],  &fra1[0], u"20"_s,      540,   30,   204,  252, 14, pGothic(9),         {},      {},         L,             startTip},
        {lbl2[3],  &fra1[0], u"30"_s,      810,   30,   204,  252, 15, pGothic(9),         {},      {},         L,             startTip},
        {lbl2[4],  &fra1[0], u"40"_s,     1080,   30,   204,  252, 16, pGothic(9),         {},      {},         L,             startTip},
        {lbl2[5],  &fra1[0], u"50"_s,     1350,   30,   204,  252, 17, pGothic(9),         {},      {},         L,             startTip},
        {lbl2[6],  &fra1[0], u"60"_s,     1620,   30,   204,  252, 18, pGothic(9),         {},      {},         L,             startTip},
        {lbl2[7],  &fra1[0], u"70"_s,     1890,   30,   204,  252, 19, pGothic(9),         {},      {},         L,             startTip},
        {lbl2[8],  &fra1[0], u"80"_s,     2160,   30,   204,  252, 20, pGothic(9),         {},      {},         L,             startTip},
        // The count of numbers.
        {opt1[9],  &fra1[1], {},             0,  240,   200,  250, 27, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[10], &fra1[1], {},           270,  240,   200,  250, 22, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[11], &fra1[1], {},           540,  240,   200,  250, 23, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[12], &fra1[1], {},           810,  240,   200,  250, 28, pGothic(9),         {},      Pale,       L,             {}},
        {opt1[13], &fra1[1], {},          1080,  240,   200,  250, 29, pGothic(9),         {},      Pale,       L,             {}},
        {lbl2[9],  &fra1[1], u"10"_s,        0,   30,   204,  252, 33, pGothic(9),         {},      {},         L,             countTip},
        {lbl2[10], &fra1[1], u"20"_s,      260,   30,   204,  252, 34, pGothic(9),         {},      {},         L,             countTip},
        {lbl2[11], &fra1[1], u"30"_s,      530,   30,   204,  252, 35, pGothic(9),         {},      {},         L,             countTip},
        {lbl2[12], &fra1[1], u"40"_s,      800,   30,   204,  252, 36, pGothic(9),         {},      {},         L,             countTip},
        {lbl2[13], &fra1[1], u"50"_s,     1080,   30,   204,  252, 24, pGothic(9),         {},      {},         L,             countTip},
        // The hit range.
        {opt6[0],  &fra1[2], {},             0,  240,   200,  250, 46, pGothic(9),         {},      Pale,       L,             narrowTip},
        {opt6[1],  &fra1[2], {},           240,  240,   200,  250, 48, pGothic(9),         {},      Pale,       L,             middleTip},
        {opt6[2],  &fra1[2], {},           490,  240,   200,  250, 47, pGothic(9),         {},      Pale,       L,             wideTip},
        {lbl6[0],  &fra1[2], u"狭"_s,        0,   30,   204,  252, 51, pGothic(9),         {},      {},         L,             narrowTip},
        {lbl6[1],  &fra1[2], u"中"_s,      240,   30,   204,  252, 50, pGothic(9),         {},      {},         L,             middleTip},
        {lbl6[2],  &fra1[2], u"広"_s,      490,   30,   204,  252, 49, pGothic(9),         {},      {},         L,             wideTip},
        // On the board itself, below the bar.
        {lbl5,     nullptr,  {},          3360, 3000,  7212, 1452, 37, {},                 design::Ink, {},     Align::Centre, {}},
        {lbl4,     nullptr,  {},          3600,  960,  5052,  972, 31, pGothic(16.8),      RGB(0, 64, 0), Pale, Align::Centre, {}},
    };
    // clang-format on
    ui::buildControls(&w, rows);

    // The Japanese gothic that stands in for the design font writes digits
    // wider than the design assumed; a slightly narrower face keeps "0:00:00"
    // clear of the stop button that overlaps the label's end.
    QFont narrow = lblT.widget()->font();
    narrow.setStretch(88);
    lblT.widget()->setFont(narrow);

    // A screen reader names each option button after the label above it.
    for (std::size_t i = 0; i < opt1.size(); ++i)
        opt1[i].setAccessibleName(lbl2[i].caption(), lbl2[i].toolTipText());
    for (std::size_t i = 0; i < opt6.size(); ++i)
        opt6[i].setAccessibleName(lbl6[i].caption());
    opt1[2].setValue(true);
    opt1[9].setValue(true);
    opt6[0].setValue(true);

    // Presses on the two labels on the board go through to it, so that a
    // click on a notice starts the next game. The summary may need more lines
    // than its designed height in the installed font.
    lbl5.setTransparentForMouse(true);
    lbl4.setTransparentForMouse(true);
    lbl4.setGrowsToFit(true);
    lbl4.setVisible(false);

    tmr1.create(&w);
    cmndlg1.create(services_.colorPicker, &w);
}

void Frm1::connectHandlers() {
    form_->onMouseDown = std::bind_front(&Frm1::Form_MouseDown, this);
    form_->onResize = std::bind_front(&Frm1::Form_Resize, this);
    // Closing the board window, by 終り or its title bar, ends the program:
    // the results window closes with it and the event loop stops.
    form_->onClose = [this] {
        frm2_.reset();
        history_.reset();
        QApplication::quit();
    };
    cmdStp.onClick = std::bind_front(&Frm1::cmdStp_Click, this);
    cmdCol1.onClick = std::bind_front(&Frm1::cmdCol1_Click, this);
    cmdCol2.onClick = std::bind_front(&Frm1::cmdCol2_Click, this);
    cmdOto.onClick = std::bind_front(&Frm1::cmdOto_Click, this);
    cmdHyou.onClick = std::bind_front(&Frm1::cmdHyou_Click, this);
    cmdEnd.onClick = std::bind_front(&Frm1::cmdEnd_Click, this);
    for (int i = 0; i < static_cast<int>(opt1.size()); ++i)
        opt1[i].onClick = std::bind_front(&Frm1::opt1_Click, this, i);
    for (int i = 0; i < static_cast<int>(lbl1.size()); ++i)
        lbl1[i].onClick = std::bind_front(&Frm1::lbl1_Click, this, i);
    tmr1.onTimer = std::bind_front(&Frm1::tmr1_Timer, this);
}
