// SPDX-License-Identifier: GPL-3.0-or-later

// The board repaints only the areas that changed. Whatever a player does, the
// board on screen must then show exactly what its drawing painted whole shows.

#include "support/board.h"
#include "support/testmain.h"

#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>

#include <random>

using namespace Qt::StringLiterals;

namespace {

// The first pixel of the board outside the controls at which the window as
// shown (its backing store, into which Qt painted only the damaged regions,
// each over what was there before) differs from the board's drawing painted
// whole into a fresh image; empty when there is none.
QString stalePixel(ui::FormWindow& w) {
    QCoreApplication::processEvents();
    const QImage shown = w.screen()->grabWindow(w.winId()).toImage();
    QImage whole(shown.size(), shown.format());
    whole.fill(ui::toQColor(w.backColor()));
    QPainter painter(&whole);
    w.surface().paint(painter, ui::twipsPerPixel());
    for (const QRect& r : QRegion(whole.rect()) - w.childrenRegion())
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (shown.pixel(x, y) != whole.pixel(x, y))
                    return u"pixel (%1, %2)"_s.arg(x).arg(y);
    return {};
}

} // namespace

class DamageTest : public QObject {
    Q_OBJECT
private slots:
    void everyEventLeavesTheScreenAsAWholeRepaintWouldPaintIt() {
        testing::TestBoard t;
        std::mt19937 pick(20240612);
        const auto below = [&pick](int n) {
            return static_cast<int>(pick() % n);
        };
        QString last;
        for (int event = 0; event < 300; ++event) {
            const int kind = below(40);
            if (kind < 20 && t->swthT) {
                last = u"a hit on %1"_s.arg(t->s1 + t->c);
                t.clickDue();
            } else if (kind < 27) {
                const double x = 800 + below(9000), y = 800 + below(4500);
                last = u"a click at %1, %2 twips"_s.arg(x).arg(y);
                t.click(x, y);
            } else if (kind < 28) {
                last = u"the stop button"_s;
                QTest::mouseClick(t->cmdStp.widget(), Qt::LeftButton);
            } else if (kind < 31) {
                const int option = below(14);
                last = u"range option %1"_s.arg(option);
                QTest::mouseClick(t->opt1[option].radio(), Qt::LeftButton);
            } else if (kind < 35) {
                const bool text = below(2) == 0;
                t.fakes.colorPicker.answers.push_back(ui::RGB(below(256), below(256), below(256)));
                last = text ? u"a new text colour"_s : u"a new background"_s;
                QTest::mouseClick((text ? t->cmdCol1 : t->cmdCol2).widget(), Qt::LeftButton);
            } else if (kind < 38) {
                const QSize size(740 + below(200), 410 + below(180));
                last = u"a resize to %1 x %2"_s.arg(size.width()).arg(size.height());
                t->form().setWindowStateCode(0);
                t->form().resize(size);
            } else {
                last = u"a whole game, all clicks before one repaint"_s;
                t.playGame();
            }
            const QString stale = stalePixel(t->form());
            QVERIFY2(stale.isEmpty(),
                     qPrintable(u"event %1, %2: %3 is stale"_s.arg(event).arg(last, stale)));
        }
    }
};

JUNBAN_TEST_MAIN(DamageTest)
#include "tst_damage.moc"
