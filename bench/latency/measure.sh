#!/usr/bin/env bash
# Key to screen: arrow keys sent through XTest, the screen watched through
# DAMAGE (orlix-key-latency), for the game tracing the Triangle and for a
# window that only moves a 2 x 2 square (the floor), in turns on one virtual
# display of each size, with no window manager. Then keys at the rates of a
# key held down, to the game alone. Prints the rows of the performance table.
# Usage: measure.sh BUILD-DIR [ROUNDS] [KEYS-PER-ROUND]
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@" 2> >(grep -v "fd limit" >&2)
fi
build=${1:?build folder}
rounds=${2:-6}
keys=${3:-40}
here=$(dirname "$0")
# shellcheck source=bench/startup/lib.sh
source "$here/../startup/lib.sh"
tool="$build/bench/orlix-key-latency"
eval "$("$build/tests/orlix-testtool" log-lines)"
game="$build/app/orlix"
floor="$build/bench/orlix-square-window"

# window_of PID: the visible window of that process, once it has one.
window_of() {
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        sleep 0.05
    done
    echo "$window"
}

# game_ready: the game started and tracing the Triangle; sets PROGRAM_PID
# and WINDOW. Its log says when it has painted.
game_ready() {
    QT_LOGGING_RULES="orlix.*.debug=true" QT_MESSAGE_PATTERN="%{category}: %{message}" \
        "$game" > "$WORK/game.log" 2>&1 &
    PROGRAM_PID=$!
    until grep -qF "$LOG_FIRST_FRAME" "$WORK/game.log"; do sleep 0.02; done
    WINDOW=$(window_of "$PROGRAM_PID")
    local y
    y=$(xwininfo -id "$WINDOW" | sed -n 's/^ *Absolute upper-left Y: *//p')
    read -r _ height <<< "$(grep -F "$LOG_REPAINT" "$WORK/game.log" | head -n 1 |
        sed 's/.*QSize(\([0-9]*\), \([0-9]*\)).*/\1 \2/')"
    local top=$(($(xwininfo -id "$WINDOW" | sed -n 's/^ *Height: *//p') + y - height))
    # The keys that follow reach the game after the click, in the order sent.
    xdotool mousemove 20 $((top + 20)) click 1
}

floor_ready() {
    "$floor" > /dev/null 2>&1 &
    PROGRAM_PID=$!
    WINDOW=$(window_of "$PROGRAM_PID")
    sleep 0.3 # its first paint
}

stop_program() {
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
}

percentile() { sort -n | awk -v p="$1" '{ v[NR] = $1 } END { i = int(NR * p / 100 + 0.5); if (i < 1) i = 1; print v[i] }'; }
row() { printf '| %-44s | %-22s | %-40s | %-11s | %-9s | %-4s |\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
met() { awk -v r="${1%x}" -v m="$2" 'BEGIN { print (r <= m ? "yes" : "NO") }'; }

for size in 800x600 1920x1080; do
    start_display "$size" "$size"
    : > "$WORK/game.$size"
    : > "$WORK/floor.$size"
    for r in $(seq "$rounds"); do
        for who in game floor; do
            [ $((r % 2)) -eq 0 ] && who=$([ "$who" = game ] && echo floor || echo game)
            "${who}_ready"
            "$tool" "$WINDOW" each "$keys" >> "$WORK/$who.$size"
            stop_program
        done
    done
    for which in first last; do
        f=1
        [ "$which" = last ] && f=2
        for p in 50 90; do
            g=$(cut -d' ' -f$f "$WORK/game.$size" | grep -v - | percentile $p)
            s=$(cut -d' ' -f$f "$WORK/floor.$size" | grep -v - | percentile $p)
            name="key to screen, $which damage, p$p, $size"
            [ $p = 50 ] && name="key to screen, $which damage, median, $size"
            row "$name" "$g ms" "moving square $s ms" "$(ratio "$g" "$s")" "<= 1.2x" \
                "$(met "$(ratio "$g" "$s")" 1.2)"
        done
    done
    area=$(cut -d' ' -f3 "$WORK/game.$size" | percentile 50)
    box=$(awk '{ print $4 " x " $5 }' "$WORK/game.$size" | sort | uniq -c | sort -rn | head -n 1 |
        sed 's/^ *[0-9]* //')
    row "area damaged per move, $size" "$area px in $box" \
        "moving square $(cut -d' ' -f3 "$WORK/floor.$size" | percentile 50) px" "" "" ""
    stop_display
done

# A held key: Right and Left at 30 and 60 a second for 5 s, each rate in a
# game of its own; the game's log counts the moves it made.
start_display repeat 800x600
for rate in 30 60; do
    game_ready
    read -r sent cells lag <<< "$("$tool" "$WINDOW" stream "$rate" 5)"
    counted=$(grep -c "$LOG_KEY 3[79]" "$WORK/game.log")
    stop_program
    row "held key at $rate/s: lag after the last key" "$lag ms" "60 Hz frame 16.67 ms" \
        "$(ratio "$lag" 16.67)" "< 1 frame" "$(met "$(ratio "$lag" 16.67)" 0.999)"
    row "  moves shown / counted / keys sent" "$cells / $counted / $sent" "" "" "" \
        "$([ "$cells" -eq "$counted" ] && [ "$counted" -eq "$sent" ] && echo yes || echo NO)"
done
stop_display
