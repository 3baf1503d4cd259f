#include "frm1.h"

#include "results/frm2.h"
#include "shell/layout.h"

#include <QApplication>

#include <exception>

namespace {

// Runs one step of a handler that skips the steps the platform refuses: a
// failure ends the step, silently, and the handler goes on with the next.
template <typename Step> void skipOnFailure(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

void print(ui::Surface& board, const shell::BoardText& line) {
    board.setCurrentX(line.x);
    board.setCurrentY(line.y);
    board.setFontSize(line.fontSize);
    board.print(line.text);
}

} // namespace

void Frm1::Form_Load() {
    ResetGame();
    ReadRangeOptions();
    form().setWindowStateCode(2);
    form().setBackColor(ui::RGB(192, 255, 192));
    form().setForeColor(ui::RGB(0, 0, 192));
    Tugicolr = ui::RGB(255, 0, 0);
    swthOto = true;
    // Closing the board window from its title bar ends the program as the
    // end command does: every window closes and the event loop stops.
    form().onClose = [this] {
        frm2_.reset();
        QApplication::quit();
    };
}

void Frm1::Form_Resize() {
    ui::FormWindow& w = form();
    // Minimum size: one correction per run; the change runs this handler
    // again (nested), and that run makes the other correction if needed.
    skipOnFailure([&] {
        const shell::SizeCorrection fix = shell::sizeCorrection(w.outerWidth(), w.outerHeight());
        if (fix.kind == shell::SizeCorrection::Kind::Width)
            w.setOuterWidth(fix.value);
        else if (fix.kind == shell::SizeCorrection::Kind::Height)
            w.setOuterHeight(fix.value);
    });
    skipOnFailure([&] { fra0.setLeft(shell::commandBarLeft(w.outerWidth(), fra0.width())); });
    skipOnFailure([&] { lbl4.setLeft(shell::noticeLeft(w.outerWidth())); });
    // The start screen; any game in progress is abandoned.
    skipOnFailure([&] {
        board().cls();
        print(board(), shell::startPrompt(w.screenWidth(), w.outerWidth()));
        ResetGame();
    });
    skipOnFailure([&] {
        lbl5.setTop(1000);
        lbl5.setLeft(shell::centredLeft(w.outerWidth(), lbl5.width()));
        lbl5.setCaption(shell::usageHint());
    });
    skipOnFailure([&] { PrintRangeLine(); });
}

void Frm1::PrintRangeLine() {
    print(board(), shell::rangeInstruction(form().outerWidth(), s1));
}
