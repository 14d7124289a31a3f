#!/usr/bin/env bash
# Twenty refused keys in quick succession: each plays the whole brr and holds
# the input until it has been heard, and the keys that arrive while a brr
# plays are all handled afterwards, in order.
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

read_brr
loud=$(od -An -v -td2 -w2 "$REC" | awk '{ v = $1 + 0; if (v > 8192 || v < -8192) n++ } END { print n + 0 }')
sounds_in_recording 8192 300 > "$WORK/brrs"
echo "brrs: $brrs; loud samples recorded $loud, 20 whole brrs have $((20 * BRR_LOUD))"
awk '{ print "  buzz at " $1 ": " $2 " samples" }' "$WORK/brrs"
[ "$loud" -ge $((20 * BRR_LOUD * 97 / 100)) ] || fail "the brrs arrived cut short"
[ "$loud" -le $((20 * BRR_LOUD * 103 / 100)) ] || fail "more buzz than twenty brrs"
# Each refused key held the input until its brr had been heard to the end:
# no brr cut the one before it short.
[ "$(wc -l < "$WORK/brrs")" -eq 20 ] || fail "not twenty separate brrs"
awk -v span="$BRR_SPAN" 'NR > 1 && $1 < last + span { print "brr " NR " began " $1 - last " samples after the one before"; bad = 1 }
    { last = $1 } END { exit bad }' "$WORK/brrs" || fail "a brr began before the one before had ended"
sed -n "s/^$LOG_SOUND_WAITED //p" "$LOG" | sort -n | awk '{ ms[NR] = $1 } END { print "input held for " ms[1] " to " ms[NR] " ms a brr (median " ms[int((NR + 1) / 2)] "), the brr lasting 250 ms" }'
[ "$(grep -cF "$LOG_SOUND_WAITED" "$LOG")" -eq "$(grep -F "$LOG_SOUND_WAITED" "$LOG" | grep -c 'heard$')" ] ||
    fail "a wait ended before its brr was heard: $(grep -F "$LOG_SOUND_WAITED" "$LOG" | grep -v 'heard$' | head -n 1)"
echo "sound brrs: ok"
