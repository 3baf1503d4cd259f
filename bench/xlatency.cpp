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

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !(dpy = XOpenDisplay(nullptr))) {
        std::fprintf(stderr, "usage: junban_xlatency <window id> [clicks], with DISPLAY set\n");
        return 1;
    }
    board = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    const int clicks = argc > 2 ? std::atoi(argv[2]) : 80;
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
        lastBoardDamage(Quiet);
        const Clock::time_point pressed = Clock::now();
        press();
        const Clock::time_point drawn = lastBoardDamage(Quiet, true);
        XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
        XFlush(dpy);
        if (drawn == Clock::time_point{}) {
            std::fprintf(stderr, "click %d drew nothing on the board\n", i);
            return 1;
        }
        if (i >= warmUp)
            times.push_back(ms(drawn - pressed));
    }
    std::sort(times.begin(), times.end());
    const auto at = [&times](double q) {
        return times[std::min(times.size() - 1, std::size_t(std::ceil(q * times.size())) - 1)];
    };
    std::printf("%.2f %.2f %zu\n", at(0.5), at(0.9), times.size());
    XCloseDisplay(dpy);
    return 0;
}
