// A long, seeded, reproducible run of random player actions over both windows,
// checking the game's invariants after every single event.

#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <cstdlib>
#include <random>

using testing::TestBoard;

namespace {

// Names a player might type or paste, friendly and hostile.
QStringList hostileNames() {
    return {QStringLiteral("無名"),
            QString(),
            QStringLiteral("山田,太郎"),
            QStringLiteral("\"quoted\",\"name\""),
            QStringLiteral("line\r\nbreak"),
            QStringLiteral("lf\nonly\rcr"),
            QString(10'000, QLatin1Char('x')),
            QStringLiteral("😀🎌𠮷野家"),
            QStringLiteral("tab\there\x01\x07\x1b[31m"),
            QStringLiteral("(),‥／%"),
            QStringLiteral("   ")};
}

// The results line as the game writes it: number, name, count, time, rate,
// hits and clicks. The name may itself hold commas and parentheses.
const QRegularExpression& resultsLinePattern() {
    static const QRegularExpression re(QStringLiteral("^(\\d+),\\((.*)\\),‥,(\\d+) 個,／,((\\d+)分 "
                                                      "(\\d\\d)秒|(\\d\\d) 秒),‥,正解率＝,(\\d+) %,"
                                                      " \\((\\d+)/(\\d+)\\)$"),
                                       QRegularExpression::DotMatchesEverythingOption);
    return re;
}

int selectedStart(const Frm1& f) {
    for (int i = 0; i <= 8; ++i)
        if (f.opt1[i].value())
            return 10 * i;
    return 0;
}

int selectedCount(const Frm1& f) {
    for (int i = 9; i <= 13; ++i)
        if (f.opt1[i].value())
            return 10 * (i - 9) + 9;
    return 0;
}

class Soak {
public:
    explicit Soak(unsigned seed) : seed_(seed), rng_(seed) {
        board_.fakes.random.reseed(seed);
        board_->form().resize(1280, 720);
        QCoreApplication::processEvents();
    }

    // Runs `events` random events; returns an empty string or the first
    // broken invariant.
    QString run(int events) {
        for (event_ = 0; event_ < events; ++event_) {
            step();
            if (!failure_.isEmpty())
                return failure_;
            if (event_ % 64 == 0)
                QCoreApplication::processEvents();
        }
        return {};
    }

    int gamesFinished() { return board_->gameNo; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void fail(const QString& what) {
        if (failure_.isEmpty())
            failure_ = QStringLiteral("seed %1, event %2 (%3): %4")
                           .arg(seed_)
                           .arg(event_)
                           .arg(lastEvent_, what);
    }

    void step() {
        Frm1& f = *board_;
        const int roll = pick(1000);
        bool placed = false;
        const int gamesBefore = f.gameNo;
        if (roll < 550) {
            lastEvent_ = QStringLiteral("click on the number due");
            board_.clickDue();
            placed = true;
        } else if (roll < 700) {
            lastEvent_ = QStringLiteral("click anywhere");
            const double w = f.form().width() * ui::twipsPerPixel();
            const double h = f.form().height() * ui::twipsPerPixel();
            board_.clickBoard(std::uniform_real_distribution<double>(0, w)(rng_),
                              std::uniform_real_distribution<double>(650, std::max(700.0, h))(rng_),
                              pick(3) == 0 ? Qt::RightButton : Qt::LeftButton);
            placed = true;
        } else if (roll < 780) {
            const int i = pick(14);
            lastEvent_ = QStringLiteral("opt1(%1)").arg(i);
            if (f.opt1[i].enabled())
                f.opt1[i].radio()->click();
        } else if (roll < 800) {
            const int i = pick(3);
            lastEvent_ = QStringLiteral("opt6(%1)").arg(i);
            f.opt6[i].radio()->click();
        } else if (roll < 815) {
            lastEvent_ = QStringLiteral("stop");
            f.cmdStp.click();
        } else if (roll < 830) {
            const int w = 40 + pick(3800), h = 40 + pick(2120);
            lastEvent_ = QStringLiteral("resize to %1 x %2 px").arg(w).arg(h);
            f.form().setWindowStateCode(0);
            f.form().resize(w, h);
            QCoreApplication::processEvents();
        } else if (roll < 837) {
            lastEvent_ = QStringLiteral("minimise and restore");
            f.form().setWindowStateCode(1);
            QCoreApplication::processEvents();
            f.form().setWindowStateCode(0);
            QCoreApplication::processEvents();
        } else if (roll < 852) {
            const bool text = pick(2) == 0;
            const bool cancel = pick(3) == 0;
            lastEvent_ = QStringLiteral("%1 colour, %2")
                             .arg(text ? "text" : "background", cancel ? "cancelled" : "chosen");
            if (cancel)
                board_.fakes.colorPicker.answers.push_back(std::nullopt);
            else
                board_.fakes.colorPicker.answers.push_back(
                    pick(4) == 0 ? ui::RGB(255, 0, 0) : ui::RGB(pick(256), pick(256), pick(256)));
            (text ? f.cmdCol1 : f.cmdCol2).click();
        } else if (roll < 862) {
            lastEvent_ = QStringLiteral("sound switch");
            f.cmdOto.click();
        } else if (roll < 872) {
            lastEvent_ = QStringLiteral("next-number label");
            QTest::mouseClick(f.lbl1[pick(2)].widget(), Qt::LeftButton);
        } else if (roll < 900) {
            lastEvent_ = QStringLiteral("name edit");
            const QStringList names = hostileNames();
            f.txt1.setText(names.at(pick(int(names.size()))));
        } else {
            resultsWindowEvent();
        }
        if (f.gameNo < gamesBefore)
            fail(QStringLiteral("the game count went back"));
        sinceClear_ += f.gameNo - gamesBefore;
        check(placed && f.gameNo == gamesBefore);
    }

    void resultsWindowEvent() {
        Frm1& f = *board_;
        results::Frm2* w = f.frm2();
        if (!w) {
            lastEvent_ = QStringLiteral("open the results window");
            f.cmdHyou.click();
            if (!f.frm2() ||
                f.frm2()->txt2.text() != f.Itiran + QStringLiteral("\r\n\r\n") + instruction())
                fail(QStringLiteral("成績 did not show the list"));
            return;
        }
        switch (pick(6)) {
        case 0:
            lastEvent_ = QStringLiteral("reload");
            w->cmdTxet.click();
            if (w->txt2.text() != f.Itiran + QStringLiteral("\r\n\r\n") + instruction())
                fail(QStringLiteral("reload did not show the list"));
            break;
        case 1: {
            lastEvent_ = QStringLiteral("copy");
            const QString shown = w->txt2.text();
            w->cmdCopy.click();
            if (board_.fakes.clipboard.content != shown)
                fail(QStringLiteral("the clipboard differs from the text box"));
            break;
        }
        case 2:
            lastEvent_ = QStringLiteral("edit the list");
            w->txt2.setText(w->txt2.text() + hostileNames().at(pick(4)));
            break;
        case 3:
            lastEvent_ = QStringLiteral("clear");
            w->cmdCler.click();
            sinceClear_ = 0;
            if (!f.Itiran.isEmpty() || !w->txt2.text().isEmpty())
                fail(QStringLiteral("clear left text behind"));
            break;
        case 4:
            lastEvent_ = QStringLiteral("open again");
            f.cmdHyou.click();
            if (f.frm2() != w)
                fail(QStringLiteral("a second results window was made"));
            break;
        default:
            lastEvent_ = QStringLiteral("close the results window");
            w->cmdTojir.click();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (f.frm2())
                fail(QStringLiteral("閉じる left the window open"));
            break;
        }
    }

    static QString instruction() {
        return QStringLiteral("メモ帳にコピーして、.txtファイルではなく.csvファイルで保存して、"
                              "Excelなどで開いて整えてください。");
    }

    void check(bool justPlaced) {
        const Frm1& f = *board_;
        if (f.s1 + f.s2 > 99)
            fail(QStringLiteral("range %1 + %2 passes 99").arg(f.s1).arg(f.s2));
        if (f.s1 != selectedStart(f) || f.s2 != selectedCount(f))
            fail(QStringLiteral("s1/s2 differ from the selected buttons"));
        if (selectedStart(f) + selectedCount(f) > 99)
            fail(QStringLiteral("the selected buttons allow numbers past 99"));

        if (justPlaced && f.swthT)
            checkPass();

        const std::size_t drawn = board_->board().items().size();
        if (drawn > 120)
            fail(QStringLiteral("the display list grew to %1").arg(drawn));

        checkResultsList();
    }

    void checkPass() {
        const Frm1& f = *board_;
        const double w = board_->form().outerWidth(), h = board_->form().outerHeight();
        const bool roomy = w >= 11000 && h >= 6000;
        for (int i = f.s1; i <= f.s1 + f.s2; ++i) {
            if (f.posX[i] < 750 || f.posX[i] > w - 750 || f.posY[i] < 750 || f.posY[i] > h - 750)
                fail(QStringLiteral("centre %1 (%2, %3) outside the margins of %4 x %5")
                         .arg(i)
                         .arg(f.posX[i])
                         .arg(f.posY[i])
                         .arg(w)
                         .arg(h));
            if (!roomy)
                continue;
            if (std::abs(f.posX[i] - f.ClikX) < 500 && std::abs(f.posY[i] - f.ClikY) < 500)
                fail(QStringLiteral("centre %1 under the click point").arg(i));
            for (int j = f.s1; j < i; ++j)
                if (std::abs(f.posX[i] - f.posX[j]) < 500 && std::abs(f.posY[i] - f.posY[j]) < 500)
                    fail(QStringLiteral("centres %1 and %2 too close").arg(j).arg(i));
        }
    }

    void checkResultsList() {
        const Frm1& f = *board_;
        if (sinceClear_ == 0) {
            if (!f.Itiran.isEmpty())
                fail(QStringLiteral("the results list holds text without a game"));
            return;
        }
        const QStringList lines = f.Itiran.split(QStringLiteral("\r\n"));
        if (lines.size() != sinceClear_ + 1 || !lines.first().isEmpty()) {
            fail(QStringLiteral("%1 lines for %2 games").arg(lines.size() - 1).arg(sinceClear_));
            return;
        }
        // Only the newest line can have changed; the older ones were checked.
        const QString& line = lines.last();
        const QRegularExpressionMatch m = resultsLinePattern().match(line);
        if (!m.hasMatch()) {
            fail(QStringLiteral("malformed line: %1").arg(line.left(200)));
            return;
        }
        const int number = m.captured(1).toInt();
        if (number != f.gameNo)
            fail(QStringLiteral("line numbered %1 after game %2").arg(number).arg(f.gameNo));
        if (lines.size() > 2 &&
            !lines.at(lines.size() - 2).startsWith(QString::number(number - 1) + QLatin1Char(',')))
            fail(QStringLiteral("lines not numbered consecutively"));
        const int count = m.captured(3).toInt(), rate = m.captured(8).toInt();
        const int hits = m.captured(9).toInt(), clicks = m.captured(10).toInt();
        if (hits != count || clicks < hits || rate != (200 * hits + clicks) / (2 * clicks))
            fail(QStringLiteral("inconsistent figures: %1").arg(line.right(60)));
    }

    unsigned seed_;
    std::mt19937 rng_;
    TestBoard board_;
    int event_ = 0;
    int sinceClear_ = 0;
    QString lastEvent_;
    QString failure_;
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void twoHundredThousandRandomEventsKeepEveryInvariant() {
        unsigned seed = 20261206;
        if (const char* env = std::getenv("JUNBAN_SOAK_SEED"))
            seed = static_cast<unsigned>(std::strtoul(env, nullptr, 10));
        int events = 200'000;
        if (const char* env = std::getenv("JUNBAN_SOAK_EVENTS"))
            events = std::atoi(env);
        QElapsedTimer clock;
        clock.start();
        Soak soak(seed);
        const QString failure = soak.run(events);
        qInfo("soak: %d events, %d games finished, %.1f s (seed %u)", events, soak.gamesFinished(),
              clock.elapsed() / 1000.0, seed);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(soak.gamesFinished() > 100);
    }
};

JUNBAN_TEST_MAIN(SoakTest)
#include "tst_soak.moc"
