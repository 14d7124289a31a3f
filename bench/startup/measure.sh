#!/usr/bin/env bash
# Start-up time (process start to first paint) and memory (RSS after the
# first paint) of the game next to an empty maximized Qt window, in the same
# run, under Xvfb with openbox. Usage: measure.sh BUILD-DIR [RUNS]
set -euo pipefail
build=${1:?build folder}
runs=${2:-9}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
until xprop -root _NET_SHOWING_DESKTOP 2>/dev/null | grep -q "= "; do sleep 0.1; done
sleep 0.5
export XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"

# One run: prints "milliseconds-to-first-paint rss-kilobytes". The paint's
# wall-clock time comes from the program's own log line.
measure() {
    local started pid painted rss
    started=$(date +%s%3N)
    QT_LOGGING_RULES="orlix.paint.debug=true" QT_MESSAGE_PATTERN="%{time yyyy-MM-dd HH:mm:ss.zzz}|%{message}" \
        "$1" > "$work/log" 2>&1 &
    pid=$!
    until grep -q OnDraw "$work/log" 2>/dev/null; do sleep 0.02; done
    sleep 0.5
    painted=$(date -d "$(grep -m 1 OnDraw "$work/log" | cut -d'|' -f1)" +%s%3N)
    rss=$(sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((painted - started)) $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for program in "$build/bench/orlix-minimal-window" "$build/app/orlix"; do
    : > "$work/results"
    for _ in $(seq "$runs"); do measure "$program" >> "$work/results"; done
    printf '%-28s first paint %4s ms (median of %s, range %s-%s), RSS %s kB\n' \
        "$(basename "$program")" "$(cut -d' ' -f1 "$work/results" | median)" "$runs" \
        "$(cut -d' ' -f1 "$work/results" | sort -n | head -1)" \
        "$(cut -d' ' -f1 "$work/results" | sort -n | tail -1)" \
        "$(cut -d' ' -f2 "$work/results" | median)"
done
