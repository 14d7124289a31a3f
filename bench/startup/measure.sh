#!/usr/bin/env bash
# Start-up time (process start to the first frame the X server holds) and
# memory (RSS half a second later) of the game next to an empty maximized Qt
# window, under Xvfb 800 x 600 with no window manager and with openbox. The
# runs of the two programs alternate, so a noisy machine hurts both alike.
# Prints the rows of the performance table (bench/run.sh prints its head).
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
probe="$build/bench/orlix-startup-probe"
game="$build/app/orlix"
floor="$build/bench/orlix-minimal-window"
settle_ms=500
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# The settings and runtime folders are the run's own: no sound server is
# reached, and the player's settings are left alone.
export XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

start_display() {
    local fifo="$work/display.$1"
    exec 3> "$fifo"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    pids+=($!)
    exec 3>&-
    until [ -s "$fifo" ]; do sleep 0.05; done
    DISPLAY=":$(head -n 1 "$fifo")"
    export DISPLAY
}

start_window_manager() {
    case $1 in
    none) ;;
    openbox)
        openbox --sm-disable >/dev/null 2>&1 &
        pids+=($!)
        until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
            sleep 0.05
        done
        sleep 0.5
        ;;
    *)
        echo "unknown window manager $1" >&2
        exit 2
        ;;
    esac
}

# One run of one program: "ms rss-kb anon-kb file-kb shmem-kb cpu-ms wm-ms".
run() { "$probe" "$settle_ms" "$1"; }

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
range() { sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "-" hi }'; }
column() { cut -d' ' -f"$2" "$1"; }

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
    run "$floor" > /dev/null
    run "$game" > /dev/null
    : > "$work/game" && : > "$work/floor"
    for i in $(seq "$runs"); do
        if [ $((i % 2)) -eq 1 ]; then
            run "$floor" >> "$work/floor"
            run "$game" >> "$work/game"
        else
            run "$game" >> "$work/game"
            run "$floor" >> "$work/floor"
        fi
    done
    game_ms=$(column "$work/game" 1 | median)
    floor_ms=$(column "$work/floor" 1 | median)
    game_kb=$(column "$work/game" 2 | median)
    floor_kb=$(column "$work/floor" 2 | median)
    label="$wm"
    [ "$wm" = none ] && label="no window manager"
    time_ratio=$(ratio "$game_ms" "$floor_ms")
    rss_ratio=$(ratio "$game_kb" "$floor_kb")
    row "first frame, $label" \
        "$game_ms ms ($(column "$work/game" 1 | range))" \
        "empty window $floor_ms ms ($(column "$work/floor" 1 | range))" \
        "$time_ratio" "<= 1.3x" "$(met "$time_ratio" 1.3)"
    if [ "$wm" != none ]; then
        # The game holds its first paint until the window manager has
        # settled the window; the empty window paints at once.
        wait_ms=$(column "$work/game" 7 | median)
        own_ms=$(awk -v a="$game_ms" -v b="$wait_ms" 'BEGIN { printf "%.1f", a - b }')
        row "  of which waiting for $wm to settle it" "$wait_ms ms" "" "" "" ""
        row "  first frame less that wait, $wm" "$own_ms ms" "empty window $floor_ms ms" \
            "$(ratio "$own_ms" "$floor_ms")" "" ""
    fi
    row "RSS after the first frame, $label" "$(mb "$game_kb")" "empty window $(mb "$floor_kb")" \
        "$rss_ratio" "<= 1.2x" "$(met "$rss_ratio" 1.2)"
    if [ -n "${ORLIX_BENCH_DETAIL:-}" ]; then
        for f in game floor; do
            echo "  $f: anon $(column "$work/$f" 3 | median) kB, file $(column "$work/$f" 4 | median) kB, shmem $(column "$work/$f" 5 | median) kB, processor $(column "$work/$f" 6 | median) ms; ms: $(column "$work/$f" 1 | sort -n | tr '\n' ' ')" >&2
        done
    fi
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    pids=()
    sleep 0.2
done
