// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/controls.h"
#include "ui/formwindow.h"

#include <functional>
#include <memory>

class Frm1;

namespace results {

// The results window: the results list of the board window as editable text
// under a row of five buttons (reload, copy, clear, close, and the history
// of every game kept). It owns nothing
// but its text box; the list itself stays in the board window (`Itiran`),
// which this window reads and may empty.
//
// The board window creates and owns it (`cmdHyou_Click`). Closing it (閉じる
// or the title-bar button) calls `onClosed`, which the owner sets to release
// it; destroying it closes its window without calling `onClosed`.
class Frm2 {
public:
    // Builds the designed window (hidden) and runs Form_Load.
    explicit Frm2(Frm1& board);
    ~Frm2();
    Frm2(const Frm2&) = delete;
    Frm2& operator=(const Frm2&) = delete;

    // Shows the window modeless and without owner, or brings it to the front
    // when it is open already. The first show puts the focus on 読込む.
    void show();

    ui::FormWindow& form() { return *form_; }

    // Called once the window is being closed by the player, from inside the
    // close event: the owner must not destroy it before that event returns.
    std::function<void()> onClosed;

    // --- controls, named as designed ---------------------------------------
    ui::Frame fra3{true};
    ui::CommandButton cmdTxet;
    ui::CommandButton cmdCopy;
    ui::CommandButton cmdCler;
    ui::CommandButton cmdTojir;
    ui::CommandButton cmdKiroku;
    ui::TextBox txt2{true};

    // --- handlers -----------------------------------------------------------
    void Form_Load();
    void Form_Resize();
    void cmdTxet_Click();
    void cmdCopy_Click();
    void cmdCler_Click();
    void cmdTojir_Click();
    void cmdKiroku_Click();

private:
    void buildControls();
    void connectHandlers();

    Frm1& board_;
    bool shown_ = false;
    // Declared last so that the widgets go before the control views of them.
    std::unique_ptr<ui::FormWindow> form_;
};

} // namespace results
