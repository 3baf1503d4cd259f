// End-to-end run of the real program in a real X server.
//
//   junban_e2e_driver <path to junban>
//
// Starts Xvfb (1920 x 1080, 96 DPI, on a free display) with openbox, starts
// the game, and plays one whole game of the default range (ten numbers, 20 to
// 29) by clicking, the way a player does: it sees only what the game draws.
// Each screenshot is searched for the number circles (the board's fore colour,
// radius 330 twips); a circle is clicked, and what the click drew tells a hit
// (a red circle of radius 320 twips round the number) from a miss (the red
// miss word beside the click). After the last hit it opens 成績, presses
// コピー, reads the clipboard with xclip and checks the results line against
// the clicks it made, then presses 終り and expects the program to exit with
// status 0.
//
// Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing). On a
// failure the last screenshot is kept as e2e-failure.png in the working
// folder; JUNBAN_E2E_KEEP_SHOTS=<folder> keeps every screenshot of the game.
//
// For work on the driver itself:
//   junban_e2e_driver --analyse <shot.png>        lists the circles it finds
//   junban_e2e_driver --compare <a.png> <b.png>   how alike the numbers look

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
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
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;
constexpr double TwipsPerPixel = 15.0; // the X server runs at 96 DPI
constexpr int Numbers = 10;            // the default range: 20 .. 29
constexpr int MaxClicks = 800;
constexpr double SameLook = 0.11; // unlikeness below which two numbers may look the same

double px(double twips) {
    return twips / TwipsPerPixel;
}

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& what) {
    throw Failure(what.toStdString());
}

void say(const QString& line) {
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

void pause(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

// --- colours of the board -------------------------------------------------
// The board is RGB(192, 255, 192); the numbers and their circles are drawn
// antialiased in RGB(0, 0, 192), the hit circle and the miss word in
// RGB(255, 0, 0), the summary in RGB(0, 64, 0). Each weight says how much of a
// colour a pixel holds over the board colour, 0 .. 1.

double blueInk(QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (b < 150 || r > g + 8)
        return 0;
    return std::clamp((255 - g) / 255.0, 0.0, 1.0);
}

double redInk(QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (r < 200 || g > 180 || b > 150)
        return 0;
    return std::clamp((255 - g) / 255.0, 0.0, 1.0);
}

bool summaryInk(QRgb p) {
    return qRed(p) < 60 && qGreen(p) >= 30 && qGreen(p) <= 110 && qBlue(p) < 60;
}

bool isBoard(QRgb p) {
    return qRed(p) == 192 && qGreen(p) == 255 && qBlue(p) == 192;
}

struct Point {
    double x = 0, y = 0;
};

// The rows of the client area covered by the command bar (620 twips).
const int BarBottom = static_cast<int>(std::ceil(px(620)));

// The share of a circle of radius r round c that is drawn in `ink`, over the
// part of it that can be seen (below the command bar, inside the image).
template <typename Ink> double ringCoverage(const QImage& img, Point c, double r, Ink ink) {
    constexpr int Steps = 96;
    int seen = 0, covered = 0;
    for (int i = 0; i < Steps; ++i) {
        const double a = 2 * std::numbers::pi * i / Steps;
        const double cx = c.x + r * std::cos(a), cy = c.y + r * std::sin(a);
        if (cy < BarBottom + 2 || cx < 2 || cx >= img.width() - 2 || cy >= img.height() - 2)
            continue;
        ++seen;
        double best = 0;
        for (double dr = -1.0; dr <= 1.01; dr += 0.5) {
            const int x = static_cast<int>(std::lround(c.x + (r + dr) * std::cos(a)));
            const int y = static_cast<int>(std::lround(c.y + (r + dr) * std::sin(a)));
            best = std::max(best, ink(img.pixel(x, y)));
        }
        covered += best >= 0.3 ? 1 : 0;
    }
    return seen < Steps / 2 ? 0 : static_cast<double>(covered) / seen;
}

// The centres of the number circles on the board: a vote for every centre a
// drawn pixel could be the circle's edge of, then the strongest candidates
// that really have a circle round them.
std::vector<Point> findCircles(const QImage& img, bool debug = false) {
    const double r = px(330);
    const int w = img.width(), h = img.height();
    std::vector<float> votes(static_cast<std::size_t>(w) * h, 0.0f);
    constexpr int Angles = 128;
    std::vector<std::pair<int, int>> offsets;
    for (int i = 0; i < Angles; ++i) {
        const double a = 2 * std::numbers::pi * i / Angles;
        offsets.emplace_back(static_cast<int>(std::lround(r * std::cos(a))),
                             static_cast<int>(std::lround(r * std::sin(a))));
    }
    for (int y = BarBottom; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const double t = blueInk(line[x]);
            if (t < 0.2)
                continue;
            for (auto [dx, dy] : offsets) {
                const int cx = x - dx, cy = y - dy;
                if (cx >= 0 && cy >= 0 && cx < w && cy < h)
                    votes[static_cast<std::size_t>(cy) * w + cx] += static_cast<float>(t);
            }
        }
    }
    struct Candidate {
        double score;
        int x, y;
    };
    std::vector<Candidate> candidates;
    for (int y = BarBottom + 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            double s = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    s += votes[static_cast<std::size_t>(y + dy) * w + x + dx];
            if (s >= 40)
                candidates.push_back({s, x, y});
        }
    // Keep the local maxima of the vote: one or two candidates per circle.
    const auto voteAt = [&](int x, int y) {
        double s = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                s += votes[static_cast<std::size_t>(y + dy) * w + x + dx];
        return s;
    };
    std::erase_if(candidates, [&](const Candidate& c) {
        if (c.x < 2 || c.y < BarBottom + 2 || c.x >= w - 2 || c.y >= h - 2)
            return false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if ((dx || dy) && voteAt(c.x + dx, c.y + dy) > c.score)
                    return true;
        return false;
    });
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    std::vector<Point> found;
    for (const Candidate& c : candidates) {
        const Point p{static_cast<double>(c.x), static_cast<double>(c.y)};
        const bool near = std::any_of(found.begin(), found.end(), [&](const Point& f) {
            return std::hypot(f.x - p.x, f.y - p.y) < 20;
        });
        if (near)
            continue;
        const double coverage = ringCoverage(img, p, r, blueInk);
        if (debug)
            say(QStringLiteral("candidate (%1, %2) vote %3 coverage %4")
                    .arg(c.x)
                    .arg(c.y)
                    .arg(c.score)
                    .arg(coverage));
        if (coverage >= 0.7)
            found.push_back(p);
    }
    return found;
}

// What is drawn in and round one circle: the number's digits. The same number
// looks the same wherever it is placed, so the driver can tell the numbers
// apart by their look without reading them.
constexpr int CropHalf = 26;
struct Crop {
    std::vector<float> ink = std::vector<float>((2 * CropHalf) * (2 * CropHalf), 0.0f);
    float at(int x, int y) const {
        if (x < 0 || y < 0 || x >= 2 * CropHalf || y >= 2 * CropHalf)
            return 0;
        return ink[static_cast<std::size_t>(y) * 2 * CropHalf + x];
    }
};

Crop cropAt(const QImage& img, Point c) {
    Crop crop;
    const double r = px(330);
    for (int y = 0; y < 2 * CropHalf; ++y)
        for (int x = 0; x < 2 * CropHalf; ++x) {
            const int ix = static_cast<int>(std::lround(c.x)) - CropHalf + x;
            const int iy = static_cast<int>(std::lround(c.y)) - CropHalf + y;
            // The circle itself is the same for every number: left out.
            const double d = std::hypot(ix - c.x, iy - c.y);
            if (std::abs(d - r) < 2.0 || ix < 0 || iy < BarBottom || ix >= img.width() ||
                iy >= img.height())
                continue;
            const float t = static_cast<float>(blueInk(img.pixel(ix, iy)));
            crop.ink[static_cast<std::size_t>(y) * 2 * CropHalf + x] = t;
        }
    // A light blur makes the look independent of where within a pixel the
    // number was drawn.
    Crop blurred;
    for (int y = 0; y < 2 * CropHalf; ++y)
        for (int x = 0; x < 2 * CropHalf; ++x) {
            float sum = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    sum += crop.at(x + dx, y + dy) * ((dx == 0 ? 2 : 1) * (dy == 0 ? 2 : 1));
            blurred.ink[static_cast<std::size_t>(y) * 2 * CropHalf + x] = sum / 16;
        }
    return blurred;
}

// 0 for two crops of the same drawing, towards 1 for unlike ones; the best
// over small shifts, as the centres found may be a pixel or two apart.
double unlikeness(const Crop& a, const Crop& b) {
    // The right half holds the ones digit; the tens digit is the same for
    // the whole range and would only dilute the difference.
    constexpr int X0 = CropHalf - 3, X1 = 2 * CropHalf - 3, Y0 = 4, Y1 = 2 * CropHalf - 4;
    double best = 1e9;
    for (int sy = -2; sy <= 2; ++sy)
        for (int sx = -2; sx <= 2; ++sx) {
            double diff = 0, ink = 0;
            for (int y = Y0; y < Y1; ++y)
                for (int x = X0; x < X1; ++x) {
                    const float p = a.at(x, y), q = b.at(x + sx, y + sy);
                    diff += std::abs(p - q);
                    ink += p + q;
                }
            best = std::min(best, diff / std::max(1.0, ink));
        }
    return best;
}

int countRed(const QImage& img, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = std::max(0, y0); y <= std::min(img.height() - 1, y1); ++y)
        for (int x = std::max(0, x0); x <= std::min(img.width() - 1, x1); ++x)
            n += redInk(img.pixel(x, y)) >= 0.5 ? 1 : 0;
    return n;
}

int countSummary(const QImage& img) {
    int n = 0;
    for (int y = BarBottom; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += summaryInk(img.pixel(x, y)) ? 1 : 0;
    return n;
}

// Whether two screenshots differ below the command bar, where the clock and
// the next-number labels do not change.
bool boardDiffers(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return true;
    for (int y = BarBottom + 2; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), a.bytesPerLine()) != 0)
            return true;
    return false;
}

// --- the X session -------------------------------------------------------

class Session {
public:
    ~Session() { stop(); }

    QProcessEnvironment env() const { return env_; }

    void start() {
        // -displayfd makes the server pick a free display itself and tell it.
        xvfb_.setProgram(QStringLiteral("Xvfb"));
        xvfb_.setArguments(
            {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
             QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight),
             QStringLiteral("-dpi"), QStringLiteral("96"), QStringLiteral("-nolisten"),
             QStringLiteral("tcp"), QStringLiteral("-nocursor")});
        xvfb_.setStandardErrorFile(QProcess::nullDevice());
        xvfb_.start();
        if (!xvfb_.waitForStarted(10000))
            fail(QStringLiteral("Xvfb does not start"));
        QByteArray number;
        QElapsedTimer t;
        t.start();
        while (!number.contains('\n') && t.elapsed() < 20000) {
            xvfb_.waitForReadyRead(200);
            number += xvfb_.readAllStandardOutput();
            if (xvfb_.state() == QProcess::NotRunning)
                fail(QStringLiteral("Xvfb ended before it was ready"));
        }
        display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        if (!number.contains('\n'))
            fail(QStringLiteral("Xvfb gave no display number"));
        say(QStringLiteral("Xvfb on display %1").arg(display_));

        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("DISPLAY"), display_);
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env_.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env_.remove(QStringLiteral("QT_FONT_DPI"));
        env_.remove(QStringLiteral("QT_SCALE_FACTOR"));

        openbox_.setProgram(QStringLiteral("openbox"));
        openbox_.setProcessEnvironment(env_);
        openbox_.setStandardOutputFile(QProcess::nullDevice());
        openbox_.setStandardErrorFile(QProcess::nullDevice());
        openbox_.start();
        if (!openbox_.waitForStarted(10000))
            fail(QStringLiteral("openbox does not start"));
        waitFor(QStringLiteral("openbox to manage the screen"), 20000, [this] {
            return run({QStringLiteral("xprop"), QStringLiteral("-root"),
                        QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QStringLiteral("window id"));
        });
    }

    void stop() {
        for (QProcess* p : {&openbox_, &xvfb_}) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    // Runs a tool on the display and returns what it printed; a tool that
    // fails or hangs fails the run unless `mayFail`.
    QString run(const QStringList& command, bool mayFail = false, int timeoutMs = 10000) const {
        return QString::fromUtf8(runBytes(command, mayFail, timeoutMs));
    }

    QByteArray runBytes(const QStringList& command, bool mayFail = false,
                        int timeoutMs = 10000) const {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start(command.first(), command.mid(1));
        if (!p.waitForStarted(5000))
            fail(QStringLiteral("cannot start ") + command.first());
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished(2000);
            if (mayFail)
                return {};
            fail(QStringLiteral("%1 hangs").arg(command.join(' ')));
        }
        if ((p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) && !mayFail)
            fail(QStringLiteral("%1 failed: %2")
                     .arg(command.join(' '), QString::fromLocal8Bit(p.readAllStandardError())));
        return p.readAllStandardOutput();
    }

    template <typename Done> static void waitFor(const QString& what, int timeoutMs, Done done) {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > timeoutMs)
                fail(QStringLiteral("timed out waiting for ") + what);
            pause(100);
        }
    }

private:
    QProcess xvfb_;
    QProcess openbox_;
    QString display_;
    QProcessEnvironment env_;
};

// The game and its windows, seen from outside.
class Game {
public:
    Game(Session& session, const QString& binary) : x_(session) {
        process_.setProgram(binary);
        process_.setProcessEnvironment(session.env());
        // What the game prints (Qt warnings, sanitizer reports) goes to the
        // test's own output.
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start();
        if (!process_.waitForStarted(10000))
            fail(QStringLiteral("the game does not start: ") + process_.errorString());
    }

    ~Game() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    QProcess& process() { return process_; }

    // The visible top-level window of the game with this title.
    std::optional<QString> window(const QString& title) const {
        const QString ids = x_.run({QStringLiteral("xdotool"), QStringLiteral("search"),
                                    QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                    QString::number(process_.processId())},
                                   true);
        for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
            const QString name =
                x_.run({QStringLiteral("xdotool"), QStringLiteral("getwindowname"), id}, true)
                    .trimmed();
            if (name == title)
                return id;
        }
        return std::nullopt;
    }

    QString waitForWindow(const QString& title) const {
        std::optional<QString> id;
        Session::waitFor(QStringLiteral("the window \"%1\"").arg(title), 30000, [&] {
            if (process_.state() == QProcess::NotRunning)
                fail(QStringLiteral("the game ended early"));
            id = window(title);
            return id.has_value();
        });
        return *id;
    }

    QImage shot(const QString& window) const {
        QImage img;
        img.loadFromData(x_.runBytes({QStringLiteral("import"), QStringLiteral("-window"), window,
                                      QStringLiteral("ppm:-")}),
                         "PPM");
        if (img.isNull())
            fail(QStringLiteral("no screenshot of window ") + window);
        return img.convertToFormat(QImage::Format_RGB32);
    }

    void click(const QString& window, Point p) const {
        x_.run({QStringLiteral("xdotool"), QStringLiteral("mousemove"), QStringLiteral("--window"),
                window, QString::number(std::lround(p.x)), QString::number(std::lround(p.y)),
                QStringLiteral("click"), QStringLiteral("1")});
    }

    // The size of a window's client area and of the frame round it, in pixels.
    struct Geometry {
        int width = 0, height = 0;
        int left = 0, right = 0, top = 0, bottom = 0;
    };
    Geometry geometry(const QString& window) const {
        Geometry g;
        const QString shell =
            x_.run({QStringLiteral("xdotool"), QStringLiteral("getwindowgeometry"),
                    QStringLiteral("--shell"), window});
        const QRegularExpression wre(QStringLiteral("WIDTH=(\\d+)"));
        const QRegularExpression hre(QStringLiteral("HEIGHT=(\\d+)"));
        g.width = wre.match(shell).captured(1).toInt();
        g.height = hre.match(shell).captured(1).toInt();
        const QString extents = x_.run({QStringLiteral("xprop"), QStringLiteral("-id"), window,
                                        QStringLiteral("_NET_FRAME_EXTENTS")},
                                       true);
        const QRegularExpression ere(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"));
        const auto m = ere.match(extents);
        if (m.hasMatch()) {
            g.left = m.captured(1).toInt();
            g.right = m.captured(2).toInt();
            g.top = m.captured(3).toInt();
            g.bottom = m.captured(4).toInt();
        }
        return g;
    }

    bool maximised(const QString& window) const {
        const QString state = x_.run({QStringLiteral("xprop"), QStringLiteral("-id"), window,
                                      QStringLiteral("_NET_WM_STATE")},
                                     true);
        return state.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT")) &&
               state.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ"));
    }

    // A screenshot taken after the board has changed from `before`.
    QImage shotAfterChange(const QString& window, const QImage& before) const {
        QImage img;
        Session::waitFor(QStringLiteral("the board to change"), 20000, [&] {
            img = shot(window);
            return boardDiffers(img, before);
        });
        return img;
    }

    QString clipboard() const {
        return x_.run({QStringLiteral("xclip"), QStringLiteral("-o"), QStringLiteral("-selection"),
                       QStringLiteral("clipboard")},
                      true, 5000);
    }

private:
    Session& x_;
    QProcess process_;
};

void saveForInspection(const QImage& img, const QString& name) {
    if (img.isNull())
        return;
    const QString path = QDir::current().absoluteFilePath(name);
    if (img.save(path))
        say(QStringLiteral("screenshot kept: ") + path);
}

// Seconds in a time text of the results line: "05 秒" or "1分 05秒".
int secondsOf(const QString& t) {
    static const QRegularExpression minutes(QStringLiteral("^(\\d+)分 (\\d\\d)秒$"));
    static const QRegularExpression seconds(QStringLiteral("^(\\d\\d) 秒$"));
    if (const auto m = minutes.match(t); m.hasMatch())
        return m.captured(1).toInt() * 60 + m.captured(2).toInt();
    if (const auto m = seconds.match(t); m.hasMatch())
        return m.captured(1).toInt();
    return -1;
}

int play(const QString& binary) {
    Session x;
    x.start();
    Game game(x, binary);
    QImage last;
    try {
        const QString board = game.waitForWindow(QStringLiteral("数字を順にクリックして下さい。"));
        say(QStringLiteral("board window %1").arg(board));

        // Maximised: the state says so and the frame fills the screen.
        Session::waitFor(QStringLiteral("the board window to be maximised"), 20000,
                         [&] { return game.maximised(board); });
        Game::Geometry g;
        Session::waitFor(QStringLiteral("the maximised size"), 20000, [&] {
            g = game.geometry(board);
            return g.width + g.left + g.right == ScreenWidth &&
                   g.height + g.top + g.bottom == ScreenHeight;
        });
        say(QStringLiteral("maximised: client %1 x %2, frame %3 %4 %5 %6")
                .arg(g.width)
                .arg(g.height)
                .arg(g.left)
                .arg(g.right)
                .arg(g.top)
                .arg(g.bottom));

        // The command bar is centred on the outer width, 50 twips further left.
        const double outerWidth = (g.width + g.left + g.right) * TwipsPerPixel;
        const double fra0Left = outerWidth / 2 - 11568.0 / 2 - 50;
        const auto inBar = [&](double left, double top, double width, double height) {
            return Point{px(fra0Left + left + width / 2), px(top + height / 2)};
        };

        // The start screen: the board colour, the start prompt in the fore
        // colour, and no number circle yet.
        Session::waitFor(QStringLiteral("the start screen"), 20000, [&] {
            last = game.shot(board);
            int ink = 0;
            for (int y = BarBottom; y < last.height(); y += 2)
                for (int xx = 0; xx < last.width(); xx += 2)
                    ink += blueInk(last.pixel(xx, y)) > 0.5 ? 1 : 0;
            return ink > 200;
        });
        if (!isBoard(last.pixel(last.width() / 2, last.height() - 5)))
            fail(QStringLiteral("the board is not RGB(192, 255, 192)"));
        const int barEdge = [&] {
            const int row = static_cast<int>(px(310));
            for (int xx = 0; xx < last.width(); ++xx)
                if (qGray(last.pixel(xx, row)) < 100)
                    return xx;
            return -1;
        }();
        if (std::abs(barEdge - px(fra0Left)) > 2)
            fail(QStringLiteral("the command bar begins at x = %1, not at %2")
                     .arg(barEdge)
                     .arg(px(fra0Left)));
        if (const auto circles = findCircles(last); !circles.empty())
            fail(QStringLiteral("the start screen shows %1 circles").arg(circles.size()));
        say(QStringLiteral("start screen as expected; command bar at x = %1").arg(barEdge));

        // The game. The start click lies on the board below the prompt.
        QElapsedTimer gameTime;
        gameTime.start();
        int clicks = 0, hits = 0;
        game.click(board, {px(1500), g.height - 60.0});
        ++clicks;
        last = game.shotAfterChange(board, last);
        // Every number stays on the board, hit or not, at a new place after
        // every click. The driver remembers the look of the numbers it has
        // hit and of those it missed with for the number due now, and clicks
        // a number of another look; a number is never ruled out for good, so
        // a poor match costs clicks, never the game.
        QRandomGenerator random(20240611);
        const QString keep = qEnvironmentVariable("JUNBAN_E2E_KEEP_SHOTS");
        std::vector<Crop> hitLooks, missLooks;
        int missesInARow = 0;
        std::vector<Point> circles = findCircles(last);
        bool ended = false;
        while (!ended) {
            if (clicks > MaxClicks)
                fail(QStringLiteral("no end after %1 clicks").arg(clicks));
            for (int retry = 0; retry < 5 && static_cast<int>(circles.size()) != Numbers; ++retry) {
                pause(100);
                last = game.shot(board);
                circles = findCircles(last);
            }
            if (static_cast<int>(circles.size()) != Numbers)
                fail(QStringLiteral("%1 number circles on the board, not %2")
                         .arg(circles.size())
                         .arg(Numbers));
            std::vector<Crop> looks;
            for (const Point& c : circles)
                looks.push_back(cropAt(last, c));
            // Each remembered look belongs to one number, and every number is
            // on the board: the circle most like it is that number, when it
            // is clearly more alike than any other.
            std::vector<bool> known(Numbers, false);
            const auto rule = [&](const std::vector<Crop>& remembered) {
                for (const Crop& r : remembered) {
                    std::vector<std::pair<double, int>> u;
                    for (int i = 0; i < Numbers; ++i)
                        u.emplace_back(unlikeness(r, looks[i]), i);
                    std::sort(u.begin(), u.end());
                    if (u[0].first < SameLook && u[0].first * 1.25 < u[1].first)
                        known[u[0].second] = true;
                }
            };
            if (missesInARow < Numbers) { // else the looks mislead: guess
                rule(hitLooks);
                rule(missLooks);
            }
            std::vector<int> fresh;
            for (int i = 0; i < Numbers; ++i)
                if (!known[i])
                    fresh.push_back(i);
            if (fresh.empty()) {
                missLooks.clear();
                for (int i = 0; i < Numbers; ++i)
                    fresh.push_back(i);
            }
            const int pick = fresh[random.bounded(static_cast<int>(fresh.size()))];
            const Point target = circles[pick];
            const QImage before = last;
            game.click(board, target);
            ++clicks;
            last = game.shotAfterChange(board, before);
            if (!keep.isEmpty())
                last.save(QStringLiteral("%1/shot%2.png").arg(keep).arg(clicks));
            circles = findCircles(last);

            if (circles.empty()) {
                // The board was cleared: only the final hit does that, and the
                // summary is shown.
                Session::waitFor(QStringLiteral("the summary"), 10000, [&] {
                    if (countSummary(last) > 50)
                        return true;
                    last = game.shot(board);
                    return false;
                });
                if (hits != Numbers - 1)
                    fail(QStringLiteral("the game ended after %1 hits").arg(hits + 1));
                ++hits;
                ended = true;
                break;
            }
            // A hit draws a red circle round the number hit; a miss the red
            // miss word, its top-left 290 twips left of and 150 above the click.
            double ring = 0;
            for (double dy = -1; dy <= 1; dy += 1)
                for (double dx = -1; dx <= 1; dx += 1)
                    ring = std::max(
                        ring, ringCoverage(last, {target.x + dx, target.y + dy}, px(320), redInk));
            const int word = countRed(last, static_cast<int>(target.x - px(290)) - 2,
                                      static_cast<int>(target.y - px(150)) - 2,
                                      static_cast<int>(target.x - px(290) + px(840)),
                                      static_cast<int>(target.y - px(150) + px(300)));
            if (ring >= 0.5) {
                ++hits;
                hitLooks.push_back(looks[pick]);
                missLooks.clear();
                missesInARow = 0;
            } else if (ring < 0.35 && word >= 30) {
                // A miss: the same number is due again. (The first miss also
                // turns the numbers bold, so looks learnt before it fade.)
                missLooks.push_back(looks[pick]);
                ++missesInARow;
            } else {
                fail(QStringLiteral("click %1 at (%2, %3) drew neither a hit nor a miss "
                                    "(ring %4, red %5)")
                         .arg(clicks)
                         .arg(target.x)
                         .arg(target.y)
                         .arg(ring)
                         .arg(word));
            }
        }
        const qint64 elapsedMs = gameTime.elapsed();
        say(QStringLiteral("game over: %1 hits in %2 clicks, %3 s")
                .arg(hits)
                .arg(clicks)
                .arg(elapsedMs / 1000.0));

        // 成績, then コピー in the results window.
        game.click(board, inBar(10200, 180, 550, 350));
        const QString results = game.waitForWindow(QStringLiteral("成績・結果"));
        say(QStringLiteral("results window %1").arg(results));
        const Point copy{px(1080 + 1080 + 850 / 2.0), px(120 + 150 + 372 / 2.0)};
        Session::waitFor(QStringLiteral("the results window to be drawn"), 20000, [&] {
            const QImage r = game.shot(results);
            const QRgb p =
                r.pixel(static_cast<int>(px(1080 + 1080 + 60)), static_cast<int>(copy.y));
            return qGreen(p) > 200 && qRed(p) < 200 && qBlue(p) < 200; // the button face
        });
        QString text;
        Session::waitFor(QStringLiteral("the clipboard to hold the results"), 20000, [&] {
            game.click(results, copy);
            pause(200);
            text = game.clipboard();
            return text.contains(QStringLiteral("正解率"));
        });

        // The clipboard: an empty line, the results line, an empty line, the
        // instruction; lines end in CR LF.
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        if (lines.size() != 4 || !lines[0].isEmpty() || !lines[2].isEmpty() ||
            !lines[3].startsWith(QStringLiteral("メモ帳にコピーして")))
            fail(QStringLiteral("the clipboard holds an unexpected text: ") + text);
        const QRegularExpression format(QStringLiteral(
            "^1,\\(無名\\),‥,(\\d+) 個,／,([^,]+),‥,正解率＝,(\\d+) %, \\((\\d+)/(\\d+)\\)$"));
        const auto m = format.match(lines[1]);
        if (!m.hasMatch())
            fail(QStringLiteral("not a results line: ") + lines[1]);
        const int count = m.captured(1).toInt();
        const int seconds = secondsOf(m.captured(2));
        const int rate = m.captured(3).toInt();
        const int h = m.captured(4).toInt();
        const int k = m.captured(5).toInt();
        // k counts the start click and every click that left the game running:
        // every click made but the final hit.
        const int expectedK = clicks - 1;
        if (count != Numbers || h != hits || k != expectedK)
            fail(QStringLiteral("results line %1: expected %2 numbers, %3 hits, %4 clicks")
                     .arg(lines[1])
                     .arg(Numbers)
                     .arg(hits)
                     .arg(expectedK));
        if (rate != (200 * h + k) / (2 * k))
            fail(QStringLiteral("results line %1: the rate should be %2")
                     .arg(lines[1])
                     .arg((200 * h + k) / (2 * k)));
        if (seconds < 0 || seconds > elapsedMs / 1000 + 1)
            fail(QStringLiteral("results line %1: a time of %2 s in a game of %3 ms")
                     .arg(lines[1])
                     .arg(seconds)
                     .arg(elapsedMs));
        say(QStringLiteral("clipboard: ") + lines[1]);

        // 終り ends the program, results window and all, with status 0.
        game.click(board, inBar(10800, 180, 660, 350));
        if (!game.process().waitForFinished(30000))
            fail(QStringLiteral("the game is still running after 終り"));
        if (game.process().exitStatus() != QProcess::NormalExit || game.process().exitCode() != 0)
            fail(QStringLiteral("the game exited with status %1").arg(game.process().exitCode()));
        say(QStringLiteral("PASS: the game exited with status 0"));
        return 0;
    } catch (const Failure& f) {
        say(QStringLiteral("FAIL: ") + QString::fromStdString(f.what()));
        saveForInspection(last, QStringLiteral("e2e-failure.png"));
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--compare") == 0) {
        // A developer's aid: how unlike each number of one screenshot looks
        // to its most alike number of another.
        const QImage a =
            QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
        const QImage b =
            QImage(QString::fromLocal8Bit(argv[3])).convertToFormat(QImage::Format_RGB32);
        const std::vector<Point> ca = findCircles(a), cb = findCircles(b);
        for (const Point& p : ca) {
            std::vector<double> u;
            for (const Point& q : cb)
                u.push_back(unlikeness(cropAt(a, p), cropAt(b, q)));
            std::sort(u.begin(), u.end());
            say(QStringLiteral("(%1, %2): nearest %3, next %4")
                    .arg(p.x)
                    .arg(p.y)
                    .arg(u.size() > 0 ? u[0] : -1)
                    .arg(u.size() > 1 ? u[1] : -1));
        }
        return 0;
    }
    if (argc == 3 && qstrcmp(argv[1], "--analyse") == 0) {
        // A developer's aid: lists what the circle search sees in a screenshot.
        QImage img(QString::fromLocal8Bit(argv[2]));
        img = img.convertToFormat(QImage::Format_RGB32);
        QElapsedTimer t;
        t.start();
        const std::vector<Point> circles = findCircles(img, true);
        say(QStringLiteral("%1 circles in %2 ms").arg(circles.size()).arg(t.elapsed()));
        return 0;
    }
    if (argc != 2) {
        say(QStringLiteral("usage: junban_e2e_driver <path to junban>"));
        return 1;
    }
    QStringList missing;
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "xclip", "import", "xprop"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    if (!missing.isEmpty()) {
        say(QStringLiteral("SKIP: the end-to-end run needs %1 (scripts/setup.sh installs xvfb, "
                           "openbox, xdotool, xclip, imagemagick and x11-utils)")
                .arg(missing.join(QStringLiteral(", "))));
        return 77;
    }
    try {
        return play(QString::fromLocal8Bit(argv[1]));
    } catch (const Failure& f) {
        say(QStringLiteral("FAIL: ") + QString::fromStdString(f.what()));
        return 1;
    }
}
