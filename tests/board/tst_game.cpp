// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games as a player plays them: clicks on the board, what each click
// draws, the timer, the stop button and the summary with its results line.

#include "support/board.h"
#include "support/testmain.h"

#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;
using testing::TestBoard;
using ui::DrawItem;
using Kind = ui::DrawItem::Kind;

namespace {

// A figure as one line, so that a comparison shows every field.
QString shape(Kind kind, double x1, double y1, double x2, double y2, ui::Colour c, int width) {
    return QString::asprintf("%d (%g, %g) (%g, %g) w%d c%06x", int(kind), x1, y1, x2, y2, width,
                             unsigned(c));
}
QString shape(const DrawItem& i) {
    return shape(i.kind, i.x1, i.y1, i.x2, i.y2, i.colour, i.width);
}

// Every number of the range drawn once after `skip` other texts, in ink at 24
// points, with its circle, its centre inside the margins of the window.
void checkNumbers(TestBoard& t, int skip = 0) {
    const auto texts = t.items(Kind::Text);
    QCOMPARE(int(texts.size()), skip + t->s2 + 1);
    for (int i = 0; i <= t->s2; ++i) {
        const int n = t->s1 + i, x = t->posX[n], y = t->posY[n];
        QCOMPARE(texts[skip + i].text, u" %1 "_s.arg(n));
        QCOMPARE(QPointF(texts[skip + i].x1, texts[skip + i].y1),
                 QPointF(x - (n < 10 ? 250 : 380), y - 240));
        QCOMPARE(texts[skip + i].font.size, 24.0);
        QCOMPARE(texts[skip + i].colour, design::Ink);
        QVERIFY(x >= 750 && x <= t->form().outerWidth() - 750);
        QVERIFY(y >= 750 && y <= t->form().outerHeight() - 750);
    }
    const int last = t->s1 + t->s2;
    QCOMPARE(shape(t.items(Kind::Ellipse).back()),
             shape(Kind::Ellipse, t->posX[last], t->posY[last], 330, 330, design::Ink, 1));
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void aWholeGameMarksEveryClickAndEndsWithItsResultsLine() {
        TestBoard t;
        t.click(1200, 5000, Qt::RightButton); // any button starts the game
        QVERIFY(t->swthT && !t->lbl5.visible());
        QCOMPARE(t->tn, t.fakes.clock.day);
        QCOMPARE(t->lbl1[0].caption() + t->lbl1[1].caption(), u"次-20"_s);
        checkNumbers(t);

        t.clickMiss();
        const DrawItem miss = t->board().items().front();
        QCOMPARE(miss.text, u"はずれ"_s);
        QCOMPARE(QPointF(miss.x1, miss.y1), QPointF(t->ClikX - 290, t->ClikY - 150));
        QCOMPARE(miss.colour, design::Red);
        QCOMPARE(miss.font, (ui::FontSpec{design::UiGothic, 14, true, false}));
        checkNumbers(t, 1);
        t.clickMiss();

        const int x = t->posX[20], y = t->posY[20];
        t.clickDue();
        QCOMPARE(t->c, 1);
        QCOMPARE(t.fakes.beeper.beeps, 1);
        QCOMPARE(t->lbl1[0].foreColor(), design::Red);
        QStringList mark;
        for (const DrawItem& i : t->board().items())
            if (i.kind != Kind::Text && mark.size() < 7)
                mark << shape(i);
        const ui::Colour r = design::Red;
        const auto L = Kind::Line;
        // clang-format off
        QCOMPARE(mark, QStringList({
            shape(Kind::Ellipse, x, y, 320, 320, r, 2),                // around the number
            shape(Kind::Ellipse, x - 140, y, 75, 150, r, 2),           // O
            shape(L, x, y - 140, x, y + 150, r, 2),                    // K
            shape(L, x, y + 20, x + 140, y - 140, r, 2),
            shape(L, x + 50, y - 20, x + 150, y + 150, r, 2),
            shape(L, x + 200, y - 150, x + 200, y + 40, r, 2),         // !
            shape(L, x + 200, y + 100, x + 200, y + 150, r, 2)}));
        // clang-format on
        checkNumbers(t);

        for (int hit = 1; hit < 10; ++hit) {
            QVERIFY(t->lbl1[1].caption() == QString::number(20 + hit) && t->swthT);
            if (hit == 9)
                t.fakes.clock.advanceSeconds(75);
            t.clickDue();
        }
        QCOMPARE(t->board().items().size(), 0u);
        QVERIFY(t->lbl4.visible() && !t->tmr1.running() && !t->swthT);
        QCOMPARE(t->lbl1[0].caption() + t->lbl1[1].caption(), u"OK!"_s);
        QCOMPARE(t->lbl4.caption(),
                 u"数字 ＝ 10 個\r\n所要時間 ＝ 1分 15秒\r\n正解率 ＝ 83 ％ (10/12)"_s);
        QCOMPARE(t.fakes.beeper.beeps, 10);
        // The summary label grows to show its three lines whole, its Height unchanged.
        QVERIFY(t->lbl4.widget()->height() >= t->lbl4.widget()->sizeHint().height());
        QCOMPARE(t->lbl4.height(), 972.0);

        // A click on the summary starts a new game from zero.
        QCOMPARE(QList<int>({t->c, t->k, t->atari}), QList<int>({0, 0, 350}));
        t.click(t->lbl4.left() + 2500, 1300);
        QVERIFY(t->swthT && !t->lbl4.visible());
        for (int hit = 0; hit < 10; ++hit) {
            if (hit == 9)
                t.fakes.clock.advanceSeconds(9);
            t.clickDue();
        }
        QCOMPARE(t->Itiran, u"\r\n1,(無名),‥,10 個,／,1分 15秒,‥,正解率＝,83 %, (10/12)"
                            u"\r\n2,(無名),‥,10 個,／,09 秒,‥,正解率＝,100 %, (10/10)"_s);
    }

    void theClockTicksEveryTenthOfASecondFromTheStartClick() {
        TestBoard t;
        t.clickStart();
        for (const char* shown : {"0:00:01", "0:00:02"}) {
            t.fakes.clock.advanceSeconds(1);
            QTRY_COMPARE_WITH_TIMEOUT(t->lblT.caption(), QString::fromLatin1(shown), 600);
        }
    }

    void theStartClickIsNeverAHitAndTheRadiusIsReadAtEveryClick() {
        TestBoard t;
        t->posX[20] = 3000;
        t->posY[20] = 3000;
        t.click(3000, 3000);
        QCOMPARE(t->c, 0);
        QTest::mouseClick(t->opt6[2].radio(), Qt::LeftButton);
        QVERIFY(t->swthT && t->opt6[2].value());
        t->posX[20] = 5000;
        t->posY[20] = 3000;
        t.click(5600, 3000);
        QCOMPARE(t->c, 1);
        QCOMPARE(t->atari, 700);
    }

    // (circle, mark and labels after a hit) for the background chosen last.
    void marksStandOutOnTheChosenBackground() {
        TestBoard t;
        t->Haicolr = 230; // chosen, though the board keeps its colour
        t.clickStart();
        const ui::Colour red = design::Red, white = design::White, blue = ui::RGB(0, 0, 255);
        for (auto [chosen, circle, mark, labels] :
             {std::tuple{-1, red, white, red}, {red, white, white, white}, {blue, red, red, red}}) {
            if (chosen >= 0) {
                t.fakes.colorPicker.answers.push_back(chosen);
                t->cmdCol2.click();
            }
            t.clickDue();
            QCOMPARE(t.items(Kind::Ellipse)[0].colour, circle);
            QCOMPARE(t.items(Kind::Line)[0].colour, mark);
            QVERIFY(t->lbl1[0].foreColor() == labels && t->lbl1[1].foreColor() == labels);
        }
    }

    // Idle after start-up, then in a game: the same notice, and no results line.
    void theStopButtonAbandonsTheGameWithoutAResultsLine() {
        TestBoard t;
        QTest::mouseClick(t->opt6[2].radio(), Qt::LeftButton);
        for (const bool running : {false, true}) {
            if (running) {
                t.clickStart();
                QVERIFY(!t->lbl4.visible());
                t.clickDue();
            }
            QTest::mouseClick(t->cmdStp.button(), Qt::LeftButton);
            QVERIFY(!t->swthT && !t->tmr1.running() && t->lbl4.visible() && t->Itiran.isEmpty());
            QCOMPARE(QList<int>({t->c, t->k, t->atari}), QList<int>({0, 0, 350}));
            QCOMPARE(t->lbl4.caption(),
                     u"リセットしました。\r\nもう一度クリックして\r\n最初から始めてください。"_s);
            QCOMPARE(t->lbl1[0].caption() + t->lbl1[1].caption(), u"次-"_s);
            QCOMPARE(t->board().items().size(), 0u);
        }
    }
};

JUNBAN_TEST_MAIN(GameTest)
#include "tst_game.moc"
