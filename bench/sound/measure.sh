#!/usr/bin/env bash
# The sound as a player meets it, on a PulseAudio null sink with a recorder
# on its monitor (rec) and as the sink's only client (lone):
# - how long each refused key holds the input, and why the hold ended: the
#   first brr after start-up apart, then twelve more;
# - the wake-ups of each of the game's threads in 10 s of silence, from 8 s
#   after the last sound;
# - (rec) how much later the first click after 10 s of silence reaches the
#   sink than a click in a stream already playing: two moves 300 ms apart
#   in each case, the difference of their spacings in the recording.
# Usage: measure.sh BUILD-DIR [rec|lone]...
set -euo pipefail
build=$(realpath "${1:?build folder}")
modes=("${@:2}")
[ ${#modes[@]} -gt 0 ] || modes=(rec lone)
top=$(cd "$(dirname "$0")/../.." && pwd)
if [ ${#modes[@]} -gt 1 ]; then
    for mode in "${modes[@]}"; do "$0" "$build" "$mode"; done
    exit
fi
mode=${modes[0]}
export ORLIX=$build/app/orlix TESTTOOL=$build/tests/orlix-testtool ASSETS=$build/assets/generated
# shellcheck source=tests/e2e/lib.sh
source "$top/tests/e2e/lib.sh"
# shellcheck source=tests/e2e/sound_lib.sh
source "$top/tests/e2e/sound_lib.sh"

start_x bare
start_pulse
start_game
[ "$mode" = rec ] && start_recording
xdotool windowfocus --sync "$WINDOW"

# Holds: a refused key (no outline chosen yet) every 0.6 s.
for _ in $(seq 13); do
    xdotool key a
    sleep 0.6
done
game_caught_up
sed -n "s/^$LOG_SOUND_WAITED //p" "$LOG" > "$WORK/holds"
read -r first first_why < "$WORK/holds"
tail -n +2 "$WORK/holds" | sort -n | awk -v mode="$mode" -v first="$first" -v why="$first_why" '
    { ms[NR] = $1; whys[$2]++ }
    END { printf "%s: first brr after start-up held the input %d ms (%s); the next %d: %d / %d / %d ms (min / median / max),", mode, first, why, NR, ms[1], ms[int((NR + 1) / 2)], ms[NR]
          for (w in whys) printf " %s %d", w, whys[w]; print "" }'

# Wake-ups per thread: context switches in 10 s, from 8 s after the last sound.
switches() {
    for task in /proc/"$GAME_PID"/task/*; do
        echo "$(cat "$task/comm") $(awk '/ctxt_switches/ { n += $2 } END { print n }' "$task/status")"
    done | sort
}
sleep 8
switches > "$WORK/before"
sleep 10
switches > "$WORK/after"
paste -d' ' "$WORK/before" "$WORK/after" | awk -v mode="$mode" '
    { woke[$1] += $4 - $2 } END { printf "%s: wake-ups in 10 s of silence:", mode; for (t in woke) printf " %s %d", t, woke[t]; print "" }'

[ "$mode" = rec ] || exit 0
# The click after silence against the click in a playing stream: from the
# key sent to the click's first loud sample read from the sink's monitor.
# The recorder's own delay is the same in both.
stop_recording
parec --latency-msec=10 -d null.monitor --raw --format=s16le --rate=22050 --channels=1 |
    stdbuf -o0 od -An -v -td2 -w2 |
    awk '{ v = $1 + 0; if (v > 300 || v < -300) { if (NR - last > 2205) { print "onset"; fflush() } last = NR } }' |
    while read -r _; do date +%s%N; done > "$WORK/onsets" &
onsets() { wc -l < "$WORK/onsets"; }
click_delay() { # the ms from a Right key to its click reaching the sink
    local before sent
    before=$(onsets)
    sent=$(date +%s%N)
    xdotool key Right
    wait_for 5 count_is -gt "$before" onsets || fail "no click heard"
    echo $((($(tail -n 1 "$WORK/onsets") - sent) / 100000))
}
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1 # the Triangle
: > "$WORK/delays"
for _ in 1 2 3 4 5; do
    sleep 10
    silent=$(click_delay)
    sleep 0.3
    playing=$(click_delay)
    echo "$silent $playing" >> "$WORK/delays"
done
awk '{ printf "rec: a click reaches the sink %.1f ms after its key after 10 s of silence, %.1f ms in a playing stream\n", $1 / 10, $2 / 10 }' "$WORK/delays"
awk '{ print ($1 - $2) / 10 }' "$WORK/delays" | sort -n | awk '{ d[NR] = $1 }
    END { printf "rec: the first click after silence comes %.1f ms later (median of %d rounds, %.1f to %.1f)\n", d[int((NR + 1) / 2)], NR, d[1], d[NR] }'
