// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm1.h"

#include "results/gametext.h"

// At the final hit, on a cleared board with the timer stopped: the summary in
// lbl4 and one numbered line appended to Itiran. At this point c = s2, so
// c + 1 numbers were hit, and k counts the clicks aimed at numbers.
void Frm1::ShowGameResult() {
    lbl1[0].setCaption(QString());
    lbl1[1].setCaption(QStringLiteral("OK!"));
    results::GameFigures g;
    g.count = s2 + 1;
    g.hits = c + 1;
    g.clicks = k;
    g.seconds = results::elapsedSeconds(startMs, services_.clock->monotonicMs());
    lbl4.setCaption(results::summaryCaption(g));
    lbl4.setVisible(true);
    ++gameNo;
    Itiran += ui::CrLf + results::resultsLine(gameNo, txt1.text(), g);
}
