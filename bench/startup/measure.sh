#!/usr/bin/env bash
# Start-up time (process start to the first frame the X server holds) and
# memory (RSS half a second later) of the game next to two floors: an empty
# maximized Qt window, and a main window with a menu bar, a picture and two
# lines of text, which is what any Qt game with a menu pays. Under Xvfb
# 800 x 600 with no window manager and with openbox; the runs of the three
# programs take turns, so a noisy machine hurts all alike. Prints the rows of
# the performance table (bench/run.sh prints its head).
# Usage: measure.sh BUILD-DIR [RUNS] [WINDOW-MANAGERS]
set -euo pipefail
# As on a desktop, a session bus runs: without one, each program's first
# look for it starts a bus of its own, which no player's machine does.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@" 2> >(grep -v "fd limit" >&2)
fi
build=${1:?build folder}
runs=${2:-15}
managers=${3:-"none openbox"}
# shellcheck source=bench/startup/lib.sh
source "$(dirname "$0")/lib.sh"
probe="$build/bench/orlix-startup-probe"
programs=("$build/app/orlix" "$build/bench/orlix-minimal-window"
    "$build/bench/orlix-menu-text-window")

# "| measure | game | floor | ratio | target | met |", as bench/main.cpp prints them
row() {
    printf '| %-44s | %-22s | %-40s | %-11s | %-9s | %-4s |\n' "$@"
}
met() { awk -v r="${1%x}" -v m="$2" 'BEGIN { print (r <= m ? "yes" : "NO") }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }

for wm in $managers; do
    start_display "$wm"
    start_window_manager "$wm"
    out="$WORK/$wm"
    run_interleaved "$probe" "$runs" "$out" "${programs[@]}"
    game_ms=$(column "$out/0" 1 | median)
    empty_ms=$(column "$out/1" 1 | median)
    menu_ms=$(column "$out/2" 1 | median)
    game_kb=$(column "$out/0" 2 | median)
    empty_kb=$(column "$out/1" 2 | median)
    menu_kb=$(column "$out/2" 2 | median)
    label="$wm"
    [ "$wm" = none ] && label="no window manager"
    row "first frame, $label" "$game_ms ms ($(column "$out/0" 1 | range))" \
        "menu+text window $menu_ms ms ($(column "$out/2" 1 | range))" \
        "$(ratio "$game_ms" "$menu_ms")" "<= 1.10x" "$(met "$(ratio "$game_ms" "$menu_ms")" 1.10)"
    row "" "" "empty window $empty_ms ms ($(column "$out/1" 1 | range))" \
        "$(ratio "$game_ms" "$empty_ms")" "" ""
    if [ "$wm" != none ]; then
        # The game holds its first paint until the window manager has
        # settled the window; the floors paint at once.
        wait_ms=$(column "$out/0" 7 | median)
        row "  of which waiting for $wm to settle it" "$wait_ms ms" "" "" "" ""
    fi
    row "RSS after the first frame, $label" "$(mb "$game_kb")" \
        "menu+text window $(mb "$menu_kb")" "$(ratio "$game_kb" "$menu_kb")" "<= 1.10x" \
        "$(met "$(ratio "$game_kb" "$menu_kb")" 1.10)"
    row "" "" "empty window $(mb "$empty_kb")" "$(ratio "$game_kb" "$empty_kb")" "" ""
    if [ -n "${ORLIX_BENCH_DETAIL:-}" ]; then
        for i in 0 1 2; do
            echo "  ${programs[$i]##*/}: anon $(column "$out/$i" 3 | median) kB, file $(column "$out/$i" 4 | median) kB, shmem $(column "$out/$i" 5 | median) kB, processor $(column "$out/$i" 6 | median) ms; ms: $(column "$out/$i" 1 | sort -n | tr '\n' ' ')" >&2
        done
    fi
    stop_display
done
