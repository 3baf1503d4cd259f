#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make bench-x: click-to-pixels latency of the game in a real X server.
#   bench/xlatency.sh <junban> <junban_xlatency> [clicks]
# For each screen (1920 x 1080, then 3840 x 2160, both at 96 DPI) it starts
# Xvfb with openbox and the game, lets junban_xlatency play 50 numbers with
# misses alternating between two spots low on the board, and prints the
# median and the 90th percentile; last the ratio of the two 90th percentiles.
# Then, at 1920 x 1080, whole games of 10 numbers: the median of the final
# hits (the game ends and goes to the history) beside that of ordinary hits.
# The game keeps its history in a scratch data folder, never the player's.
set -euo pipefail

game=$1
probe=$2
clicks=${3:-80}
for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "bench-x needs $tool (scripts/setup.sh)" >&2; exit 1; }
done

tmp=$(mktemp -d)
export XDG_DATA_HOME=$tmp/data
pids=()
stop_all() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    pids=()
}
trap 'stop_all; rm -rf "$tmp"' EXIT

# Polls `$@` ten times a second for at most a minute.
wait_for() {
    for _ in $(seq 600); do
        "$@" && return 0
        sleep 0.1
    done
    echo "bench-x: timed out waiting for: $*" >&2
    exit 1
}

measure() { # <width>x<height> [probe arguments]
    : >"$tmp/display"
    # -displayfd: the server picks a free display and writes its number.
    Xvfb -displayfd 3 -screen 0 "$1x24" -dpi 96 -nolisten tcp -nocursor \
        3>"$tmp/display" 2>/dev/null &
    pids+=($!)
    wait_for test -s "$tmp/display"
    export DISPLAY=:$(head -n1 "$tmp/display")
    openbox >/dev/null 2>&1 &
    pids+=($!)
    wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
    env -u QT_FONT_DPI -u QT_SCALE_FACTOR -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
        "$game" >/dev/null 2>&1 &
    local game_pid=$!
    pids+=($game_pid)
    # The board window, once the window manager has maximised it.
    local window=""
    wait_for sh -c "xdotool search --onlyvisible --pid $game_pid >'$tmp/windows' 2>/dev/null"
    for id in $(cat "$tmp/windows"); do
        [ "$(xdotool getwindowname "$id")" = "数字を順にクリックして下さい。" ] && window=$id
    done
    [ -n "$window" ] || { echo "bench-x: no board window" >&2; exit 1; }
    wait_for sh -c "xprop -id $window _NET_WM_STATE | grep -q MAXIMIZED_HORZ"
    "$probe" "$window" "${@:2}"
    stop_all
}

measure 1920x1080 "$clicks" >"$tmp/small"
measure 3840x2160 "$clicks" >"$tmp/large"
measure 1920x1080 final >"$tmp/final"
read -r m1 p1 n1 <"$tmp/small"
read -r m2 p2 n2 <"$tmp/large"
printf 'click to pixels, 50 numbers, misses, %s clicks each (median, p90):\n' "$n1"
printf '  1920 x 1080: %s ms, %s ms\n' "$m1" "$p1"
printf '  3840 x 2160: %s ms, %s ms\n' "$m2" "$p2"
awk -v a="$p1" -v b="$p2" 'BEGIN { printf "  p90 ratio 3840 x 2160 / 1920 x 1080: %.2f\n", b / a }'
read -r ordinary final games <"$tmp/final"
printf 'hits, 10 numbers, 1920 x 1080, %s games (median):\n' "$games"
printf '  ordinary hit: %s ms\n  final hit, recorded in the history: %s ms\n' "$ordinary" "$final"
awk -v a="$ordinary" -v b="$final" 'BEGIN { printf "  final - ordinary: %+.2f ms\n", b - a }'
[ -s "$tmp/data/junban/history.sqlite" ] || { echo "bench-x: no game was recorded" >&2; exit 1; }
[ "$n1" = "$n2" ]
