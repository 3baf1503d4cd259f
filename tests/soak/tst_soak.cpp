// SPDX-License-Identifier: GPL-3.0-or-later

// A long, seeded run of random player actions over both windows, with the
// game's invariants checked after every event. JUNBAN_SOAK_SEED and
// JUNBAN_SOAK_EVENTS repeat or lengthen a run.

#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <random>

using namespace Qt::Literals::StringLiterals;
using testing::TestBoard;

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomPlayKeepsEveryInvariant() {
        const unsigned seed = qEnvironmentVariableIntValue("JUNBAN_SOAK_SEED") + 1;
        const int events = qEnvironmentVariableIsSet("JUNBAN_SOAK_EVENTS")
                               ? qEnvironmentVariableIntValue("JUNBAN_SOAK_EVENTS")
                               : 80'000;
        std::mt19937 rng(seed);
        const auto pick = [&rng](int n) {
            return int(rng() % unsigned(n));
        };
        TestBoard t;
        t.fakes.random.engine.seed(seed);
        const QRegularExpression line(
            u"^(\\d+),\\(.*\\),‥,(\\d+) 個,／,(\\d+分 \\d\\d秒|\\d\\d 秒),‥,"
            u"正解率＝,(\\d+) %, \\((\\d+)/(\\d+)\\)$"_s);
        int firstGame = 1; // the number of the first line since the list was last cleared
        for (int e = 0; e < events; ++e) {
            const QString where = QStringLiteral("seed %1 event %2").arg(seed - 1).arg(e);
            Frm1& f = *t;
            // clang-format off
            switch (pick(16)) {
            case 0: case 1: case 2: case 3: case 4: t.clickDue(); break;
            case 5: t.clickMiss(); break;
            case 6: t.click(pick(40000), pick(30000), pick(2) ? Qt::LeftButton : Qt::RightButton); break;
            case 7: QTest::mouseClick(pick(5) ? f.opt1[pick(14)].radio() : f.opt6[pick(3)].radio(), Qt::LeftButton); break;
            case 8: QTest::mouseClick(f.cmdStp.button(), Qt::LeftButton); break;
            case 9: f.form().resize(40 + pick(1900), 40 + pick(1100)); break;
            case 10: f.form().setWindowStateCode(pick(3)); break;
            case 11:
                t.fakes.colorPicker.answers.push_back(pick(3) ? std::optional(ui::Colour(pick(1 << 24))) : std::nullopt);
                (pick(2) ? f.cmdCol1 : f.cmdCol2).click();
                break;
            case 12:
                f.cmdOto.click();
                QTest::mouseClick(f.lbl1[pick(2)].widget(), Qt::LeftButton);
                f.txt1.setText(pick(2) ? u"a,\"b\"\r\n😀"_s : QString());
                break;
            case 13: f.cmdHyou.click(); break;
            default:
                if (results::Frm2* w = f.frm2()) {
                    ui::CommandButton* b[] = {&w->cmdTxet, &w->cmdCopy, &w->cmdCler, &w->cmdTojir};
                    const int i = pick(4);
                    b[i]->click();
                    firstGame = i == 2 ? f.gameNo + 1 : firstGame;
                }
            }
            // clang-format on
            if (e % 64 == 0)
                QCoreApplication::processEvents();
            // The range stays within the position arrays and matches the buttons.
            QVERIFY2(f.s1 + f.s2 <= 99 && f.opt1[f.s1 / 10].value() &&
                         f.opt1[9 + f.s2 / 10].value(),
                     qPrintable(where));
            // The last pass: inside the margins and 500 apart on some axis.
            if (f.swthT && f.form().windowStateCode() == 0) {
                for (int n = f.s1; n <= f.s1 + f.s2; ++n) {
                    QVERIFY2(f.posX[n] >= 750 && f.posX[n] <= f.form().outerWidth() - 750 &&
                                 f.posY[n] >= 750 && f.posY[n] <= f.form().outerHeight() - 750,
                             qPrintable(where));
                    for (int m = n + 1; m <= f.s1 + f.s2; ++m)
                        QVERIFY2(std::max(std::abs(f.posX[n] - f.posX[m]),
                                          std::abs(f.posY[n] - f.posY[m])) >= 500,
                                 qPrintable(where));
                }
            }
            // One well-formed, consecutively numbered line per game since the last clear.
            const QStringList lines = f.Itiran.split(u"\r\n"_s, Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), f.gameNo - firstGame + 1);
            if (!lines.isEmpty()) {
                const auto m = line.match(lines.back());
                QVERIFY2(m.hasMatch() && m.captured(1).toInt() == f.gameNo,
                         qPrintable(where + lines.back()));
                // The rate is 100 * hits / clicks to the nearest whole, halves up:
                // twice its error lies in (-clicks, clicks].
                const int hits = m.captured(5).toInt(), clicks = m.captured(6).toInt();
                const int twiceError = 2 * (100 * hits - m.captured(4).toInt() * clicks);
                QVERIFY2(hits == m.captured(2).toInt() && clicks >= hits && twiceError > -clicks &&
                             twiceError <= clicks,
                         qPrintable(where));
            }
            QVERIFY2(f.board().items().size() <= 120, qPrintable(where));
        }
    }
};

JUNBAN_TEST_MAIN(SoakTest)
#include "tst_soak.moc"
