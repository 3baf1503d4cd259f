// junban_e2e_driver <path to junban>: starts Xvfb (1920 x 1080, 96 DPI) with
// openbox and plays one whole game of ten numbers by clicking, seeing only the
// screenshots: it finds the number circles, and what a click drew tells a hit
// (a red circle round the number) from a miss (the red miss word). Then it
// opens 成績, presses コピー, checks the results line on the clipboard against
// its clicks, and presses 終り, expecting exit status 0.
// Exit status: 0 passed, 1 failed (the last screenshot is kept as
// e2e-failure.png), 77 skipped (a tool is missing).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <tuple>
#include <vector>

namespace {

using namespace Qt::StringLiterals;

constexpr int ScreenWidth = 1920, ScreenHeight = 1080;
constexpr int Numbers = 10; // the default range: 20 .. 29
constexpr int MaxClicks = 800;
constexpr double SameLook = 0.11; // unlikeness below which two numbers may look the same

constexpr double px(double twips) {
    return twips / 15.0; // the X server runs at 96 DPI
}

// The rows of the client area covered by the command bar (620 twips).
const int BarBottom = static_cast<int>(std::ceil(px(620)));

[[noreturn]] void fail(const QString& what) {
    throw what;
}

void say(const QString& line) {
    std::puts(qPrintable(line));
    std::fflush(stdout);
}

// --- what the game draws ---------------------------------------------------
// The board is RGB(192, 255, 192); the numbers and their circles are drawn
// antialiased in RGB(0, 0, 192), the hit circle and the miss word in
// RGB(255, 0, 0), the summary in RGB(0, 64, 0). ink() says how much of the
// blue or the red a pixel holds over the board colour, 0 .. 1.

double ink(QRgb p, bool red = false) {
    const bool inked = red ? qRed(p) >= 200 && qGreen(p) <= 180 && qBlue(p) <= 150
                           : qBlue(p) >= 150 && qRed(p) <= qGreen(p) + 8;
    return inked ? std::clamp((255 - qGreen(p)) / 255.0, 0.0, 1.0) : 0;
}

// The pixels of the board below the command bar that count.
int countInk(const QImage& img, bool (*counts)(QRgb)) {
    int n = 0;
    for (int y = BarBottom; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += counts(img.pixel(x, y)) ? 1 : 0;
    return n;
}

// The share of a circle of radius r round c that is inked, over the
// part of it that can be seen (below the command bar, inside the image), in
// blue or in red.
double ringCoverage(const QImage& img, QPointF c, double r, bool red) {
    constexpr int Steps = 96;
    int seen = 0, covered = 0;
    for (int i = 0; i < Steps; ++i) {
        const double a = 2 * std::numbers::pi * i / Steps;
        const QPointF dir(std::cos(a), std::sin(a)), edge = c + r * dir;
        if (edge.y() < BarBottom + 2 || edge.x() < 2 || edge.x() >= img.width() - 2 ||
            edge.y() >= img.height() - 2)
            continue;
        ++seen;
        double best = 0;
        for (double dr = -1.0; dr <= 1.01; dr += 0.5)
            best = std::max(best, ink(img.pixel((edge + dr * dir).toPoint()), red));
        covered += best >= 0.3 ? 1 : 0;
    }
    return seen < Steps / 2 ? 0 : static_cast<double>(covered) / seen;
}

// The centres of the number circles (radius 330 twips): every inked pixel votes
// for the centres it could be the edge of; the strongest local maxima of the
// vote that really have a circle round them are the circles.
std::vector<QPointF> findCircles(const QImage& img) {
    const double r = px(330);
    const int w = img.width(), h = img.height();
    std::vector<float> votes(static_cast<std::size_t>(w) * h, 0.0f);
    std::vector<std::pair<int, int>> offsets; // spread over 3 x 3 pixels
    for (int i = 0; i < 128; ++i)
        for (int e = 0; e < 9; ++e)
            offsets.emplace_back(std::lround(r * std::cos(std::numbers::pi * i / 64)) + e % 3 - 1,
                                 std::lround(r * std::sin(std::numbers::pi * i / 64)) + e / 3 - 1);
    for (int y = BarBottom; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double t = ink(img.pixel(x, y));
            if (t < 0.2)
                continue;
            for (auto [dx, dy] : offsets)
                if (x - dx >= 0 && y - dy >= 0 && x - dx < w && y - dy < h)
                    votes[(y - dy) * w + x - dx] += static_cast<float>(t);
        }
    std::vector<std::tuple<float, int, int>> candidates;
    for (int y = BarBottom + 2; y < h - 2; ++y)
        for (int x = 2; x < w - 2; ++x) {
            const float s = votes[y * w + x];
            bool peak = s >= 40;
            for (int dy = -1; dy <= 1 && peak; ++dy)
                for (int dx = -1; dx <= 1 && peak; ++dx)
                    peak = votes[(y + dy) * w + x + dx] <= s;
            if (peak)
                candidates.emplace_back(s, x, y);
        }
    std::sort(candidates.begin(), candidates.end(), std::greater<>());
    std::vector<QPointF> found;
    for (const auto& [score, x, y] : candidates) {
        const QPointF p(x, y);
        if (std::none_of(found.begin(), found.end(),
                         [&](QPointF f) { return QLineF(f, p).length() < 20; }) &&
            ringCoverage(img, p, r, false) >= 0.7)
            found.push_back(p);
    }
    return found;
}

// The ink inside one circle, lightly blurred: the same number looks the same
// wherever it is drawn, so the driver tells the numbers apart by their look.
constexpr int CropSide = 52;
using Crop = std::vector<float>;

Crop cropAt(const QImage& img, QPointF c) {
    const auto raw = [&](int x, int y) -> double {
        const QPoint i = c.toPoint() + QPoint(x - CropSide / 2, y - CropSide / 2);
        // The circle itself is the same for every number: left out.
        if (x < 0 || y < 0 || x >= CropSide || y >= CropSide || i.y() < BarBottom ||
            !img.rect().contains(i) || std::abs(QLineF(i, c).length() - px(330)) < 2.0)
            return 0;
        return ink(img.pixel(i));
    };
    Crop crop;
    for (int y = 0; y < CropSide; ++y)
        for (int x = 0; x < CropSide; ++x) {
            double sum = 0;
            for (int d = 0; d < 9; ++d)
                sum +=
                    raw(x + d % 3 - 1, y + d / 3 - 1) * (d % 3 == 1 ? 2 : 1) * (d / 3 == 1 ? 2 : 1);
            crop.push_back(static_cast<float>(sum / 16));
        }
    return crop;
}

// 0 for two crops of the same drawing, towards 1 for unlike ones; the best
// over small shifts, as the centres found may be a pixel or two apart. Only
// the right half counts: the tens digit is the same for the whole range.
double unlikeness(const Crop& a, const Crop& b) {
    double best = 1e9;
    for (int sy = -2; sy <= 2; ++sy)
        for (int sx = -2; sx <= 2; ++sx) {
            double diff = 0, ink = 0;
            for (int y = 4; y < CropSide - 4; ++y)
                for (int x = CropSide / 2 - 3; x < CropSide - 3; ++x) {
                    const float p = a[y * CropSide + x], q = b[(y + sy) * CropSide + x + sx];
                    diff += std::abs(p - q);
                    ink += p + q;
                }
            best = std::min(best, diff / std::max(1.0, ink));
        }
    return best;
}

// --- the X session and the game, seen from outside --------------------------

QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
QImage last; // the latest screenshot, kept when the run fails

// A child process that is ended with the driver.
struct Child : QProcess {
    ~Child() override {
        terminate();
        waitForFinished(5000); // else ~QProcess kills it
    }
};

template <typename Done> void waitFor(const QString& what, Done done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 30000)
            fail(u"timed out waiting for "_s + what);
        QThread::msleep(100);
    }
}

// Runs a tool on the display and returns what it printed; a tool that fails or
// hangs fails the run unless `mayFail`.
QByteArray run(const QString& command, bool mayFail = false) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.startCommand(command);
    const bool done = p.waitForFinished(10000);
    if (!mayFail && (!done || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0))
        fail(u"%1 failed: %2"_s.arg(command, QString::fromLocal8Bit(p.readAllStandardError())));
    return p.readAllStandardOutput();
}

// The visible top-level window of the game with this title.
QString waitForWindow(Child& game, const QString& title) {
    QString found;
    waitFor(u"the window "_s + title, [&] {
        if (game.waitForFinished(1) || game.state() == QProcess::NotRunning)
            fail(u"the game ended early"_s);
        const auto ids =
            run(u"xdotool search --onlyvisible --pid %1"_s.arg(game.processId()), true);
        for (const QByteArray& id : ids.trimmed().split('\n'))
            if (QString::fromUtf8(run(u"xdotool getwindowname "_s + id, true).trimmed()) == title)
                found = QString::fromLatin1(id);
        return !found.isEmpty();
    });
    return found;
}

QImage shot(const QString& window) {
    const QImage img = QImage::fromData(run(u"import -window %1 ppm:-"_s.arg(window), true), "PPM");
    if (img.isNull())
        fail(u"no screenshot of window "_s + window);
    return img.convertToFormat(QImage::Format_RGB32);
}

// The number circles once the board (below the command bar, where the clock
// ticks) differs from `before` and shows ten of them, or none after the end.
std::vector<QPointF> nextBoard(const QString& board, const QImage before) {
    const QRect area(0, BarBottom + 2, ScreenWidth, ScreenHeight);
    std::vector<QPointF> circles;
    waitFor(u"a new board with ten number circles or none"_s, [&] {
        last = shot(board);
        if (last.copy(area) == before.copy(area))
            return false;
        circles = findCircles(last);
        return circles.empty() || std::ssize(circles) == Numbers;
    });
    return circles;
}

void click(const QString& window, QPointF p) {
    run(u"xdotool mousemove --window %1 %2 %3 click 1"_s.arg(window)
            .arg(std::lround(p.x()))
            .arg(std::lround(p.y())));
}

// --- the run ---------------------------------------------------------------

void play(Child& game) {
    const QString board = waitForWindow(game, u"数字を順にクリックして下さい。"_s);

    // Maximised: the state says so and the frame fills the screen.
    int height = 0;
    waitFor(u"the board window to be maximised"_s, [&] {
        const QString props = QString::fromLatin1(
            run(u"xprop -id %1 _NET_WM_STATE _NET_FRAME_EXTENTS"_s.arg(board), true));
        const auto f =
            QRegularExpression(u"EXTENTS\\S* = (\\d+), (\\d+), (\\d+), (\\d+)"_s).match(props);
        const auto m =
            QRegularExpression(u"WIDTH=(\\d+)\\nHEIGHT=(\\d+)"_s)
                .match(QString::fromLatin1(run(u"xdotool getwindowgeometry --shell "_s + board)));
        height = m.captured(2).toInt();
        return props.contains(u"_NET_WM_STATE_MAXIMIZED_VERT"_s) &&
               props.contains(u"_NET_WM_STATE_MAXIMIZED_HORZ"_s) &&
               m.captured(1).toInt() + f.captured(1).toInt() + f.captured(2).toInt() ==
                   ScreenWidth &&
               height + f.captured(3).toInt() + f.captured(4).toInt() == ScreenHeight;
    });
    // The command bar (11568 twips wide) is centred on the outer width, 50
    // twips further left.
    const auto inBar = [](double left, double top, double width, double height) {
        const double barLeft = ScreenWidth * 15.0 / 2 - 11568.0 / 2 - 50;
        return QPointF{px(barLeft + left + width / 2), px(top + height / 2)};
    };

    // The start screen: the prompt on the board.
    waitFor(u"the start screen"_s, [&] {
        last = shot(board);
        return countInk(last, [](QRgb p) { return ink(p) > 0.5; }) > 800;
    });

    // The start click lies on the board below the prompt. Every number stays
    // on the board, hit or not, at a new place after every click. The driver
    // remembers the looks of the numbers it has hit and of those it missed
    // with for the number due now, and clicks a number of another look; none
    // is ruled out for good, so a poor match costs clicks, never the game.
    int clicks = 1, hits = 0, missesInARow = 0;
    click(board, {px(1500), height - 60.0});
    QRandomGenerator random(20240611);
    std::vector<Crop> hitLooks, missLooks;
    std::vector<QPointF> circles = nextBoard(board, last);
    while (!circles.empty() && clicks <= MaxClicks) {
        std::vector<Crop> looks;
        for (const QPointF& c : circles)
            looks.push_back(cropAt(last, c));
        // Each remembered look belongs to one number, and every number is on
        // the board: the circle most like it is that number, when it is
        // clearly more alike than any other. Right looks find the number due
        // within ten misses (nine others, and one clicked in the look it had
        // before the first miss turned the numbers bold); after more they
        // mislead: guess.
        std::vector<bool> known(Numbers, false);
        for (const auto* remembered : {&hitLooks, &missLooks})
            for (const Crop& r : *remembered) {
                std::vector<std::pair<double, int>> u;
                for (int i = 0; i < Numbers; ++i)
                    u.emplace_back(unlikeness(r, looks[i]), i);
                std::sort(u.begin(), u.end());
                if (missesInARow <= Numbers && u[0].first < SameLook &&
                    u[0].first * 1.25 < u[1].first)
                    known[u[0].second] = true;
            }
        if (std::ranges::all_of(known, std::identity())) {
            missLooks.clear();
            known.assign(Numbers, false);
        }
        int pick = 0;
        do
            pick = random.bounded(Numbers);
        while (known[pick]);
        const QPointF target = circles[pick];
        click(board, target);
        ++clicks;
        circles = nextBoard(board, last);
        if (circles.empty()) { // only the final hit clears the board
            ++hits;
            break;
        }
        // A hit draws a red circle round the number hit; a miss the red miss
        // word beside the click.
        double ring = 0;
        for (int d = 0; d < 9; ++d)
            ring = std::max(
                ring, ringCoverage(last, target + QPointF(d % 3 - 1, d / 3 - 1), px(320), true));
        const int red = countInk(last, [](QRgb p) { return ink(p, true) >= 0.5; });
        if (ring >= 0.5) {
            ++hits;
            hitLooks.push_back(looks[pick]);
            missLooks.clear();
            missesInARow = 0;
        } else if (ring < 0.35 && red >= 30) {
            // The same number is due again. (The first miss also turns the
            // numbers bold, so looks learnt before it fade.)
            missLooks.push_back(looks[pick]);
            ++missesInARow;
        } else {
            fail(u"click %1 drew neither a hit nor a miss"_s.arg(clicks));
        }
    }
    if (clicks > MaxClicks)
        fail(u"no end after %1 clicks"_s.arg(clicks));
    // The board cleared shows the summary.
    waitFor(u"the summary"_s, [&] {
        last = shot(board);
        return countInk(last, [](QRgb p) {
                   return qRed(p) < 60 && qGreen(p) >= 30 && qGreen(p) <= 110 && qBlue(p) < 60;
               }) > 50;
    });
    if (hits != Numbers)
        fail(u"the game ended after %1 hits in %2 clicks"_s.arg(hits).arg(clicks));

    // 成績, then コピー in the results window once its button faces are drawn.
    click(board, inBar(10200, 180, 550, 350));
    const QString results = waitForWindow(game, u"成績・結果"_s);
    const QPointF copy{px(1080 + 1080 + 850 / 2.0), px(120 + 150 + 372 / 2.0)};
    waitFor(u"the results window to be drawn"_s, [&] {
        last = shot(results);
        const QRgb p =
            last.pixel(static_cast<int>(px(1080 + 1080 + 60)), static_cast<int>(copy.y()));
        return qGreen(p) > 200 && qRed(p) < 200 && qBlue(p) < 200;
    });
    QString text;
    waitFor(u"the clipboard to hold the results"_s, [&] {
        click(results, copy);
        QThread::msleep(200);
        text = QString::fromUtf8(run(u"xclip -o -selection clipboard"_s, true));
        return text.contains(u"正解率"_s);
    });

    // An empty line, the results line, an empty line, the instruction; CR LF.
    // The clicks counted are the start click and every click that left the
    // game running: every click made but the final hit.
    const auto m =
        QRegularExpression(u"^\\r\\n(1,\\(無名\\),‥,(\\d+) 個,／,[^,]+,‥,正解率＝,(\\d+) %, "
                           u"\\((\\d+)/(\\d+)\\))\\r\\n\\r\\nメモ帳にコピーして"_s)
            .match(text);
    const int count = m.captured(2).toInt(), rate = m.captured(3).toInt();
    const int h = m.captured(4).toInt(), k = m.captured(5).toInt();
    if (!m.hasMatch() || count != Numbers || h != hits || k != clicks - 1 ||
        rate != (200 * h + k) / (2 * k))
        fail(
            u"after %1 hits in %2 clicks the clipboard holds %3"_s.arg(hits).arg(clicks).arg(text));
    say(u"clipboard: "_s + m.captured(1));

    // 終り ends the program, results window and all, with status 0.
    click(board, inBar(10800, 180, 660, 350));
    if (!game.waitForFinished(30000) || game.exitStatus() != QProcess::NormalExit ||
        game.exitCode() != 0)
        fail(u"終り did not end the game with status 0 (%1)"_s.arg(game.exitCode()));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        say(u"usage: junban_e2e_driver <path to junban>"_s);
        return 1;
    }
    QStringList missing;
    for (const QString& tool :
         {u"Xvfb"_s, u"openbox"_s, u"xdotool"_s, u"xclip"_s, u"import"_s, u"xprop"_s})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    if (!missing.isEmpty()) {
        say(u"SKIP: the end-to-end run needs %1 (scripts/setup.sh installs xvfb, openbox, "
            "xdotool, xclip, imagemagick and x11-utils)"_s.arg(missing.join(u", "_s)));
        return 77;
    }
    Child xvfb, openbox, game;
    try {
        // -displayfd makes the server pick a free display itself and tell it.
        xvfb.startCommand(
            u"Xvfb -displayfd 1 -screen 0 1920x1080x24 -dpi 96 -nolisten tcp -nocursor"_s);
        QByteArray display;
        waitFor(u"Xvfb to give its display"_s, [&] {
            xvfb.waitForReadyRead(100);
            display += xvfb.readAllStandardOutput();
            if (xvfb.state() == QProcess::NotRunning)
                fail(u"Xvfb ended before it was ready"_s);
            return display.contains('\n');
        });
        env.insert(u"DISPLAY"_s, u":"_s + QString::fromLatin1(display.trimmed()));
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        for (const QString& name : {u"WAYLAND_DISPLAY"_s, u"QT_FONT_DPI"_s, u"QT_SCALE_FACTOR"_s})
            env.remove(name);
        openbox.setProcessEnvironment(env);
        openbox.start(u"openbox"_s, {});
        waitFor(u"openbox to manage the screen"_s, [] {
            return run(u"xprop -root _NET_SUPPORTING_WM_CHECK"_s, true).contains("window id");
        });
        game.setProcessEnvironment(env);
        // What the game prints (Qt warnings, sanitizer reports) goes to the
        // test's own output.
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(QString::fromLocal8Bit(argv[1]), {});
        if (!game.waitForStarted(10000))
            fail(u"the game does not start: "_s + game.errorString());
        play(game);
        say(u"PASS: the game exited with status 0"_s);
        return 0;
    } catch (const QString& failure) {
        say(u"FAIL: "_s + failure);
        const QString path = QDir::current().absoluteFilePath(u"e2e-failure.png"_s);
        if (!last.isNull() && last.save(path))
            say(u"screenshot kept: "_s + path);
        return 1;
    }
}
