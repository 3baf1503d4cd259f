#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One whole game of the real program in a real X server (Xvfb + openbox, 1280 x 720):
find the numbers on screenshots and click them until the game ends, copy the
results list from the results window, read it back from the clipboard, end
the program with 終り and expect status 0. Then the history file of a scratch
data folder: one row agreeing with that line; a game killed (SIGKILL) right
after its final hit is still there; two copies running at once keep every game
of both; the first game's clicks, one row each where the driver clicked.
Exit 77 where a tool is missing."""
import os, re, shutil, sqlite3, subprocess, sys, tempfile, time

if not all(shutil.which(t) for t in ("Xvfb", "openbox", "xdotool", "xwininfo", "xclip", "import")):
    sys.exit(77)
SCREEN = (1280, 720)
display = ":%d" % (50 + os.getpid() % 200)
env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
env["DISPLAY"] = display
data = tempfile.TemporaryDirectory(prefix="junban-e2e-")  # never the player's own history
env["XDG_DATA_HOME"] = data.name
history = os.path.join(data.name, "junban", "history.sqlite")
procs = [subprocess.Popen(["Xvfb", display, "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp"])]


def run(*cmd):
    return subprocess.run(cmd, env=env, capture_output=True, text=True).stdout


def wait_for(probe, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if value := probe():
            return value
        time.sleep(0.05)
    sys.exit("timed out waiting for " + what)


def window(title, pid=None):
    by_pid = ["--pid", str(pid)] if pid else []
    wid = wait_for(lambda: run("xdotool", "search", *by_pid, "--onlyvisible", "--name", title).split(),
                   title)[0]
    time.sleep(0.5)  # let the window manager finish placing it
    if pid:
        run("xdotool", "windowactivate", "--sync", wid)
    info = run("xwininfo", "-id", wid)
    return [int(re.search(key + r":\s+(-?\d+)", info).group(1))
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]


def click(x, y):
    run("xdotool", "mousemove", str(round(x)), str(round(y)), "click", "1")


def shot():
    return subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=env,
                          capture_output=True).stdout


def numbers(raw, top):
    """Centres of the clusters of pure ink (0, 0, 192) below the command bar: the digits."""
    boxes = []
    for m in re.finditer(b"\x00\x00\xc0", raw):
        if m.start() % 3:
            continue
        y, x = divmod(m.start() // 3, SCREEN[0])
        if y < top:
            continue
        for b in boxes:
            if abs(b[0] - x) < 30 and abs(b[1] - y) < 30:
                b[2:] = [min(b[2], x), min(b[3], y), max(b[4], x), max(b[5], y)]
                break
        else:
            boxes.append([x, y, x, y, x, y])
    return [((b[2] + b[4]) / 2, (b[3] + b[5]) / 2) for b in boxes]


def play(left, top, width, height, empty_at=None):
    """A whole game: the start click, then the numbers found on the screen, each
    one in turn whether due or not; with `empty_at`, that click goes where no
    number is. Returns the clicks made and the points of those after the start."""
    click(left + width / 2, top + height - 60)  # the start click
    points = []
    for clicks in range(1, 400):
        before = shot()
        found = numbers(before, top + 60)
        if not found:
            return clicks, points
        x, y = found[clicks % len(found)]
        if clicks == empty_at:  # the spot of the board farthest from every number
            x, y = max(((x, y) for x in range(left + 30, left + width - 30, 10)
                        for y in range(top + 80, top + height - 30, 10)),
                       key=lambda p: min(abs(p[0] - f[0]) + abs(p[1] - f[1]) for f in found))
        points.append((round(x), round(y)))
        click(x, y)
        wait_for(lambda: shot() != before, "the board to change", 5)
    sys.exit("the game did not end")


def rows():
    with sqlite3.connect(history) as db:
        return db.execute("SELECT name, count, hits, clicks, line FROM games ORDER BY id").fetchall()


def start():
    game = subprocess.Popen([sys.argv[1]], env=env)
    procs.append(game)
    return game


try:
    wait_for(lambda: subprocess.run(["xdotool", "getmouselocation"], env=env,
                                    capture_output=True).returncode == 0, "the X server")
    procs.append(subprocess.Popen(["openbox"], env=env))
    time.sleep(0.5)
    board = "数字を順にクリックして下さい。"
    game = start()
    left, top, width, height = window(board)
    assert width >= SCREEN[0] - 10, "the board window is not maximised: %dx%d" % (width, height)
    tw = 1 / 15  # pixels per twip at 96 DPI
    bar_left = left + ((width * 15) / 2 - 11568 / 2 - 50) * tw
    clicks, points = play(left, top, width, height, empty_at=3)
    click(bar_left + (10200 + 275) * tw, top + (180 + 175) * tw)  # 成績
    r_left, r_top, _, _ = window("成績・結果")
    click(r_left + (1080 + 1080 + 425) * tw, r_top + (120 + 150 + 186) * tw)  # コピー
    text = wait_for(lambda: run("xclip", "-o", "-selection", "clipboard"), "the clipboard")
    line = re.search(r"^1,\(無名\),‥,10 個,／,(\d\d 秒|\d+分 \d\d秒),‥,正解率＝,(\d+) %, \(10/(\d+)\)$",
                     text, re.M)
    assert line, "no results line in: " + text
    # The clicks counted here: the start click and every one after it but the final hit.
    k, rate = int(line.group(3)), int(line.group(2))
    assert k == clicks - 1, "%s after %d clicks" % (line.group(0), clicks)
    assert -k < 2 * (1000 - rate * k) <= k, line.group(0)  # 1000 / k rounded, halves up
    print(line.group(0), "after", clicks, "clicks")
    click(bar_left + (10800 + 330) * tw, top + (180 + 175) * tw)  # 終り
    assert game.wait(10) == 0, "exit status %d" % game.returncode
    assert rows() == [("無名", 10, 10, k, line.group(0))], rows()

    # Killed within a second of the final hit: the game is kept all the same.
    game = start()
    play(*window(board, game.pid))
    wait_for(lambda: len(rows()) == 2, "the killed game's row", 1)
    game.kill()
    game.wait()
    # Two copies at once, each playing a whole game while the other runs.
    first, second = start(), start()
    for copy in (first, second):
        play(*window(board, copy.pid))
        wait_for(lambda: len(rows()) == 2 + (copy is second) + 1, "the row of each copy")
    # 終り on whichever copy is on top, then on the other.
    for running in (2, 1):
        window(board)
        click(bar_left + (10800 + 330) * tw, top + (180 + 175) * tw)
        wait_for(lambda: sum(c.poll() is None for c in (first, second)) < running, "a copy to end")
    assert first.returncode == second.returncode == 0, (first.returncode, second.returncode)
    kept = rows()
    assert len(kept) == 4 and [r[4].split(",")[0] for r in kept] == ["1", "1", "1", "1"], kept
    assert all(r[1] == r[2] == 10 for r in kept), kept
    assert not [f for f in os.listdir(os.path.dirname(history)) if "broken" in f]
    print(len(kept), "games kept")

    # The first game's clicks, one row each after the start click, where the
    # driver clicked: screen pixels from the board's corner, 15 twips each.
    with sqlite3.connect(history) as db:
        logged = db.execute("SELECT seq, x, y, outcome FROM clicks WHERE game_id ="
                            " (SELECT MIN(id) FROM games) ORDER BY seq").fetchall()
    assert [r[0] for r in logged] == list(range(1, k + 1)), logged
    assert [r[3] for r in logged].count("hit") == 10, logged
    assert all(abs(x - (px - left) * 15) <= 30 and abs(y - (py - top) * 15) <= 30
               for (_, x, y, _), (px, py) in zip(logged, points)), (logged, points)
    print(len(logged), "clicks kept of the first game")
finally:
    for p in reversed(procs):
        p.kill()
