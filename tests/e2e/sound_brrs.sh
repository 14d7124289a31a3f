#!/usr/bin/env bash
# Twenty refused keys in quick succession: each plays the whole brr, and the
# keys that arrive while a brr plays are all handled afterwards, in order.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
start_recorded_game
# No outline is chosen yet, so every arrow key is refused with a brr.
keys=()
for _ in 1 2 3 4 5; do keys+=(Left Up Right Down); done
xdotool windowfocus --sync "$WINDOW"
xdotool key --delay 20 "${keys[@]}"
wait_for 30 count_is -ge 20 log_count "$LOG_SOUND_WAIT 136" || fail "not every key was refused"
game_caught_up # the last brr has had its time
stop_recording

# (the Ctrl above aside)
handled=$(sed -n "s/^$LOG_KEY //p" "$LOG" | grep -vx 17 | tr '\n' ' ')
[ "$handled" = "$(printf '37 38 39 40 %.0s' 1 2 3 4 5)" ] || fail "keys handled: $handled"
brrs=$(log_count "$LOG_SOUND_WAIT 136")
[ "$brrs" -eq 20 ] || fail "$brrs brrs for 20 keys"

# One brr's loud samples (above a quarter of full scale), from the resource.
one=$(od -An -v -td2 -w2 -j "$(wave_samples_at "$ASSETS/sound/136.wav")" -N 11026 "$ASSETS/sound/136.wav" |
    awk '{ v = $1 + 0; if (v > 8192 || v < -8192) n++ } END { print n }')
loud=$(od -An -v -td2 -w2 "$REC" | awk '{ v = $1 + 0; if (v > 8192 || v < -8192) n++ } END { print n + 0 }')
sounds_in_recording 8192 300 > "$WORK/brrs"
echo "brrs: $brrs; loud samples recorded $loud, 20 whole brrs have $((20 * one))"
awk '{ print "  buzz at " $1 ": " $2 " samples" }' "$WORK/brrs"
[ "$loud" -ge $((20 * one * 97 / 100)) ] || fail "the brrs arrived cut short"
[ "$loud" -le $((20 * one * 103 / 100)) ] || fail "more buzz than twenty brrs"
echo "sound brrs: ok"
