// SPDX-License-Identifier: GPL-3.0-or-later

// junban_xlatency <window> [clicks]: click-to-pixels latency of the board
// window `window` (an X window id) of a running junban, in the X server named
// by DISPLAY. bench/xlatency.sh starts the server, the window manager and the
// game and calls this once per screen size.
//
// It chooses 50 numbers, starts a game with a click high on the board, then
// alternates misses between two spots low on the board. Each press is faked
// through the XTEST extension with the pointer already resting on the spot;
// the latency of a click is the time from sending the press to the arrival of
// the last damage report of the window below the command bar (where the clock
// ticks) that the click caused, a report the server sends once the pixels have
// changed. The server reports each growth of the damaged area's bounding box:
// the program's copies arrive top to bottom, so the last report comes with the
// lowest of them, and a repaint made of many rectangles does not flood the
// probe (and the server) with one report per rectangle.
// Prints one line: "<median ms> <p90 ms> <clicks timed>".
//
// junban_xlatency <window> final [games]: the final hit beside an ordinary
// hit. It plays whole games of the numbers 0 .. 9, finding
// the numbers on the window's pixels (pure ink of the board's colour) and
// learning each number's look from the hits of the first game; a hit is
// known by the next-number label it changes.
// Prints "<ordinary hit median ms> <final hit median ms> <games timed>".

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>

#include <X11/Xutil.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double TwipsPerPixel = 15; // the server runs at 96 DPI
// The command bar: 620 twips high, 11568 wide, centred on the outer width of
// the window and then 50 twips further left.
constexpr int BarBottom = 42;
constexpr double BarWidth = 11568;
// A click is over when the window has drawn nothing for this long.
constexpr auto Quiet = std::chrono::milliseconds(60);
constexpr auto GiveUp = std::chrono::seconds(2);

Display* dpy;
Window board;
Damage damage;
int damageEvent;

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Reads the damage reports that arrive until the window has been quiet for
// `quiet` (with `awaitBoard`, quiet after a first report on the board), at
// most for GiveUp. Returns the arrival of the last report that touched the
// board below the command bar, or nothing.
Clock::time_point lastBoardDamage(Clock::duration quiet, bool awaitBoard = false) {
    const Clock::time_point start = Clock::now();
    Clock::time_point last{}, lastAny = start;
    pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
    for (;;) {
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type != damageEvent + XDamageNotify)
                continue;
            const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
            lastAny = Clock::now();
            if (d.area.y + d.area.height > BarBottom)
                last = lastAny;
        }
        const bool waiting = awaitBoard && last == Clock::time_point{};
        const Clock::time_point until =
            waiting ? start + GiveUp : std::min(lastAny + quiet, start + GiveUp);
        const Clock::time_point now = Clock::now();
        if (now >= until)
            return last;
        poll(&fd, 1, static_cast<int>(ms(until - now)) + 1);
    }
}

void moveTo(int x, int y) {
    int rx = 0, ry = 0;
    Window child;
    XTranslateCoordinates(dpy, board, DefaultRootWindow(dpy), x, y, &rx, &ry, &child);
    XTestFakeMotionEvent(dpy, DefaultScreen(dpy), rx, ry, CurrentTime);
    XFlush(dpy);
}

// Forgets the damage so far, so that the next change is reported afresh,
// and presses the button.
void press() {
    XDamageSubtract(dpy, damage, None, None);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XFlush(dpy);
}

// A click where the pointer is, once the board has gone quiet: the time in ms
// from the press to the board's first damage, or nothing when the press drew
// nothing on the board.
std::optional<double> timedClick() {
    lastBoardDamage(Quiet);
    const Clock::time_point pressed = Clock::now();
    press();
    const Clock::time_point drawn = lastBoardDamage(Quiet, true);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XFlush(dpy);
    if (drawn == Clock::time_point{})
        return std::nullopt;
    return ms(drawn - pressed);
}

void click(int x, int y) {
    moveTo(x, y);
    press();
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XFlush(dpy);
    lastBoardDamage(Quiet * 4, true);
}

// Left, right, top, bottom of the window manager's frame.
std::vector<long> frameExtents() {
    Atom type;
    int format;
    unsigned long count = 0, after;
    unsigned char* data = nullptr;
    std::vector<long> extents(4, 0);
    const Atom name = XInternAtom(dpy, "_NET_FRAME_EXTENTS", False);
    if (XGetWindowProperty(dpy, board, name, 0, 4, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        count == 4)
        std::copy_n(reinterpret_cast<long*>(data), 4, extents.begin());
    if (data)
        XFree(data);
    return extents;
}

// The board's pixels below the command bar, as 0xRRGGBB values.
struct Shot {
    int width = 0, height = 0;
    std::vector<unsigned long> pixels;
    unsigned long at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

Shot shoot() {
    XWindowAttributes a;
    XGetWindowAttributes(dpy, board, &a);
    Shot s;
    s.width = a.width;
    s.height = a.height;
    XImage* image = XGetImage(dpy, board, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    s.pixels.resize(std::size_t(a.width) * a.height);
    const bool direct = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
    for (int y = 0; y < a.height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(image->data + y * image->bytes_per_line);
        for (int x = 0; x < a.width; ++x)
            s.pixels[std::size_t(y) * a.width + x] =
                direct ? row[x] & 0xffffff : XGetPixel(image, x, y);
    }
    XDestroyImage(image);
    return s;
}

// The numbers and their circles: the board's ink (0, 0, 192) and its blends
// with the background (192, 255, 192), which all keep the blue of both, from
// about a quarter of ink upwards.
bool isInk(unsigned long p) {
    return (p & 0xff) == 0xc0 && (p >> 8 & 0xff) < 200;
}
constexpr int InnerRadius = 18; // pixels of the digits, inside the circle (22 pixels)

// A number on the board: the centre of its circle and its digits' ink,
// relative to the centre.
struct Number {
    double x = 0, y = 0;
    int width = 0; // of the ink, in pixels
    std::vector<std::pair<int, int>> ink;
};

std::vector<Number> numbers(const Shot& s) {
    struct Box {
        int l, t, r, b;
    };
    std::vector<Box> boxes;
    for (int y = BarBottom + 4; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            if (!isInk(s.at(x, y)))
                continue;
            auto near = std::find_if(boxes.begin(), boxes.end(), [&](const Box& b) {
                return x > b.l - 10 && x < b.r + 10 && y > b.t - 10 && y < b.b + 10;
            });
            if (near == boxes.end())
                boxes.push_back({x, y, x, y});
            else
                *near = {std::min(near->l, x), std::min(near->t, y), std::max(near->r, x),
                         std::max(near->b, y)};
        }
    std::vector<Number> out;
    for (const Box& b : boxes) {
        Number n{(b.l + b.r) / 2.0, (b.t + b.b) / 2.0, b.r - b.l + 1, {}};
        for (int y = b.t; y <= b.b; ++y)
            for (int x = b.l; x <= b.r; ++x)
                if (isInk(s.at(x, y)) && std::hypot(x - n.x, y - n.y) < InnerRadius)
                    n.ink.emplace_back(std::lround(x - n.x), std::lround(y - n.y));
        out.push_back(std::move(n));
    }
    return out;
}

// Where a number's ink lies: the share of it in each cell of a 6 x 5 grid
// over the ink's bounding box. Digits differ in where their strokes are, and
// a shift of the glyph by a fraction of a pixel hardly moves the shares.
std::array<double, 30> shares(const Number& n) {
    std::array<double, 30> out{};
    if (n.ink.empty())
        return out;
    int l = n.ink[0].first, r = l, t = n.ink[0].second, b = t;
    for (const auto& [x, y] : n.ink) {
        l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
    }
    for (const auto& [x, y] : n.ink)
        out[std::size_t((y - t) * 5 / (b - t + 1) * 6 + (x - l) * 6 / (r - l + 1))] +=
            1.0 / n.ink.size();
    return out;
}

// How alike two numbers look, 0 .. 1.
double likeness(const Number& a, const Number& b) {
    const std::array<double, 30> sa = shares(a), sb = shares(b);
    double d = 0;
    for (std::size_t i = 0; i < sa.size(); ++i)
        d += std::abs(sa[i] - sb[i]);
    return 1 - d / 2;
}

// Whether the pixels of the next-number label (left, right in pixels, down
// to the bottom of the bar) differ between two shots.
bool labelChanged(const Shot& a, const Shot& b, int left, int right) {
    for (int y = 0; y < BarBottom; ++y)
        for (int x = std::max(left, 0); x < std::min(right, a.width); ++x)
            if (a.at(x, y) != b.at(x, y))
                return true;
    return false;
}

double medianOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int finalHits(int games, int labelLeft, int labelRight) {
    XWindowAttributes a;
    XGetWindowAttributes(dpy, board, &a);
    std::array<std::optional<Number>, 10> looks; // by position in the range
    std::vector<double> ordinary, final;
    std::mt19937 random(7);
    int tries = 0;
    int lost = 0;                               // games where the probe lost count of the hits
    for (int game = 0; game <= games; ++game) { // game 0 learns the numbers, untimed
        click(a.width / 2, a.height - 12);      // the start click
        std::vector<double> hits;
        for (int due = 0;;) {
            const Shot before = shoot();
            const std::vector<Number> found = numbers(before);
            if (found.size() < 5 || ++tries > 100 * (games + 1) * 10) {
                std::fprintf(stderr, "could not play the games: %zu numbers found\n", found.size());
                return 1;
            }
            // The number that looks most like the one due, else one that
            // looks least like any number already known.
            std::vector<double> score(found.size());
            for (std::size_t i = 0; i < found.size(); ++i) {
                if (looks[due]) {
                    score[i] = likeness(found[i], *looks[due]);
                } else {
                    double known = 0;
                    for (const auto& l : looks)
                        if (l)
                            known = std::max(known, likeness(found[i], *l));
                    score[i] = 1 - known + std::uniform_real_distribution<>(0, 0.05)(random);
                }
            }
            const std::size_t pick = std::max_element(score.begin(), score.end()) - score.begin();
            moveTo(std::lround(found[pick].x), std::lround(found[pick].y));
            const std::optional<double> latency = timedClick();
            const Shot after = shoot();
            // The final hit clears the board but for the summary.
            if (numbers(after).size() < 5) {
                if (due == 9 && game > 0) {
                    ordinary.insert(ordinary.end(), hits.begin(), hits.end());
                    if (latency)
                        final.push_back(*latency);
                }
                lost += due != 9;
                break;
            }
            if (!labelChanged(before, after, labelLeft, labelRight)) {
                // A miss: the numbers are placed anew, and a look that led
                // to it is learnt again.
                looks[due].reset();
                continue;
            }
            // Learnt only from a number standing alone in its circle (two
            // close together look like one wide number).
            if (!looks[due] && found[pick].width >= 40 && found[pick].width <= 50)
                looks[due] = found[pick];
            if (latency)
                hits.push_back(*latency);
            due = std::min(due + 1, 9);
        }
    }
    if (lost)
        std::fprintf(stderr, "%d of %d games left out: the probe lost count of their hits\n", lost,
                     games + 1);
    std::printf("%.2f %.2f %zu\n", medianOf(ordinary), medianOf(final), final.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !(dpy = XOpenDisplay(nullptr))) {
        std::fprintf(
            stderr,
            "usage: junban_xlatency <window id> [final] [clicks or games], with DISPLAY set\n");
        return 1;
    }
    board = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    const bool finalMode = argc > 2 && std::string(argv[2]) == "final";
    const char* count = argc > (finalMode ? 3 : 2) ? argv[finalMode ? 3 : 2] : nullptr;
    const int clicks = count ? std::atoi(count) : finalMode ? 8 : 80;
    int eventBase, errorBase, major, minor;
    if (!XTestQueryExtension(dpy, &eventBase, &errorBase, &major, &minor) ||
        !XDamageQueryExtension(dpy, &damageEvent, &errorBase)) {
        std::fprintf(stderr, "the X server lacks XTEST or DAMAGE\n");
        return 1;
    }
    damage = XDamageCreate(dpy, board, XDamageReportBoundingBox);
    XSync(dpy, False);
    lastBoardDamage(Quiet * 8); // the start screen settles

    XWindowAttributes a;
    XGetWindowAttributes(dpy, board, &a);
    const std::vector<long> frame = frameExtents();
    const double outerWidth = (a.width + frame[0] + frame[1]) * TwipsPerPixel;
    const double barLeft = float(outerWidth) / 2 - BarWidth / 2 - 50;
    // The next-number label: 2060 .. 2945 twips into the bar.
    if (finalMode) {
        // The numbers from 0: one digit each, told apart by their look alone.
        // The option button of 0 is 100 twips into the start frame, 3000
        // twips into the bar.
        click(std::lround((barLeft + 3000 + 100) / TwipsPerPixel),
              std::lround((100 + 240 + 125) / TwipsPerPixel));
        return finalHits(clicks, std::lround((barLeft + 2060) / TwipsPerPixel),
                         std::lround((barLeft + 2945) / TwipsPerPixel));
    }
    // The option button of 50 numbers: 1080 twips into the count frame, which
    // lies 5850 twips into the bar; the button is 200 x 250 twips at top 240.
    click(std::lround((barLeft + 5850 + 1080 + 100) / TwipsPerPixel),
          std::lround((100 + 240 + 125) / TwipsPerPixel));
    click(a.width / 2, a.height / 3); // starts the game: no miss word yet

    const int spotY = a.height - 12;
    const int spotX[2] = {a.width / 3, 2 * a.width / 3};
    std::vector<double> times;
    const int warmUp = 6;
    for (int i = 0; i < clicks + warmUp; ++i) {
        moveTo(spotX[i % 2], spotY);
        const std::optional<double> latency = timedClick();
        if (!latency) {
            std::fprintf(stderr, "click %d drew nothing on the board\n", i);
            return 1;
        }
        if (i >= warmUp)
            times.push_back(*latency);
    }
    std::sort(times.begin(), times.end());
    const auto at = [&times](double q) {
        return times[std::min(times.size() - 1, std::size_t(std::ceil(q * times.size())) - 1)];
    };
    std::printf("%.2f %.2f %zu\n", at(0.5), at(0.9), times.size());
    XCloseDisplay(dpy);
    return 0;
}
