// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/boardstate.h"
#include "ui/controls.h"
#include "ui/formwindow.h"
#include "ui/services.h"
#include "ui/timerdialog.h"

#include <array>
#include <memory>

namespace results {
class Frm2;
}

// The board window: the one place where the subsystems meet. It holds the
// board variables (inherited, so the handlers read them by name), the
// controls of the command bar and the services, and it owns the results
// window while that is open. Its handlers and procedures
// are defined in the folder of the subsystem they belong to:
//   engine/   Form_MouseDown, PlaceNumbers, DrawCenterMark, DrawMissText, SetAlertColor
//   results/  ReadRangeOptions, ResetGame, ShowResetNotice, cmdStp_Click, tmr1_Timer,
//             ShowGameResult, cmdHyou_Click
//   shell/    Form_Load, Form_Resize, PrintRangeLine, opt1_Click, EnableStartOptions,
//             EnableCountOptions, lbl1_Click, cmdCol1_Click, cmdCol2_Click,
//             cmdOto_Click, cmdEnd_Click
// The constructor (frm1.cpp) builds the designed window, connects the
// handlers and runs Form_Load.
class Frm1 : public engine::BoardState {
public:
    explicit Frm1(ui::Services services = ui::Services::system());
    ~Frm1();
    Frm1(const Frm1&) = delete;
    Frm1& operator=(const Frm1&) = delete;

    // Shows the window; the first show runs Form_Resize.
    void show();

    ui::FormWindow& form() { return *form_; }
    ui::Surface& board() { return form_->surface(); }
    const ui::Services& services() const { return services_; }
    // The results window while it is open, else null.
    results::Frm2* frm2() const;

    // --- controls, named as designed ---------------------------------------
    ui::Frame fra0{true};
    std::array<ui::Frame, 3> fra1;
    std::array<ui::OptionButton, 14> opt1;
    std::array<ui::OptionButton, 3> opt6;
    std::array<ui::Label, 2> lbl1;
    std::array<ui::Label, 14> lbl2;
    std::array<ui::Label, 2> lbl3;
    ui::Label lbl4;
    ui::Label lbl5;
    std::array<ui::Label, 3> lbl6;
    ui::Label lblT;
    ui::TextBox txt1;
    ui::CommandButton cmdStp;
    ui::CommandButton cmdCol1;
    ui::CommandButton cmdCol2;
    ui::CommandButton cmdOto;
    ui::CommandButton cmdHyou;
    ui::CommandButton cmdEnd;
    ui::Timer tmr1;
    ui::CommonDialog cmndlg1;

    // --- engine/ ------------------------------------------------------------
    void Form_MouseDown(int Button, int Shift, double X, double Y);
    void PlaceNumbers();
    void DrawCenterMark();
    void DrawMissText();
    void SetAlertColor();

    // --- results/ -----------------------------------------------------------
    void ReadRangeOptions();
    void ResetGame();
    void ShowResetNotice();
    void cmdStp_Click();
    void tmr1_Timer();
    void ShowGameResult();
    void cmdHyou_Click();

    // --- shell/ -------------------------------------------------------------
    void Form_Load();
    void Form_Resize();
    void PrintRangeLine();
    void opt1_Click(int Index);
    void EnableStartOptions();
    void EnableCountOptions();
    void lbl1_Click(int Index);
    void cmdCol1_Click();
    void cmdCol2_Click();
    void cmdOto_Click();
    void cmdEnd_Click();

private:
    void buildControls();
    void connectHandlers();

    ui::Services services_;
    std::unique_ptr<ui::FormWindow> form_;
    std::unique_ptr<results::Frm2> frm2_; // the results window while it is open
};
