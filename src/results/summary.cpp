// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "history/recorder.h"
#include "results/gametext.h"

#include <QDateTime>

// At the final hit, on a cleared board with the timer stopped: the summary in
// lbl4 and one numbered line appended to Itiran. At this point c = s2, so
// c + 1 numbers were hit, and k counts the clicks aimed at numbers. The game
// goes to the history with the line and every click after the start click;
// the recorder returns at once.
void Frm1::ShowGameResult() {
    lbl1[0].setCaption(QString());
    lbl1[1].setCaption(QStringLiteral("OK!"));
    results::GameFigures g;
    g.count = s2 + 1;
    g.hits = c + 1;
    g.clicks = k;
    const std::int64_t nowMs = services_.clock->monotonicMs();
    // The final hit is timed by the summary's own reading, so that its time
    // is the game's elapsed time to the millisecond.
    if (!clickLog.isEmpty())
        clickLog.last().tMs = nowMs - startMs;
    g.seconds = results::elapsedSeconds(startMs, nowMs);
    lbl4.setCaption(results::summaryCaption(g));
    lbl4.setVisible(true);
    ++gameNo;
    const QString line = results::resultsLine(gameNo, txt1.text(), g);
    Itiran += ui::CrLf + line;
    if (services_.historyFile.isEmpty())
        return;
    history::Game game;
    game.finished = QDateTime::currentDateTime();
    game.name = txt1.text();
    game.firstNumber = s1;
    game.count = g.count;
    game.radius = atari;
    game.elapsedMs = nowMs - startMs;
    game.hits = g.hits;
    game.clicks = g.clicks;
    game.line = line;
    game.clickLog = std::move(clickLog);
    recorder().record(std::move(game));
}
