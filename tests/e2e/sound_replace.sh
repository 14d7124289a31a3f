#!/usr/bin/env bash
# A new sound takes the place of the one playing: a click 5 ms after a click,
# and a brr 5 ms after a click, are heard whole themselves, recorded at a
# PulseAudio null sink. (That the one before is cut is shown with a stream
# of known timing in tst_sound_output.)
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
start_recorded_game
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1 # the Triangle: the pen starts bottom left
xdotool windowfocus --sync "$WINDOW"
game_caught_up
press Right # the stream is open and running before the pairs
game_caught_up
sleep 0.5 # apart from what follows in the recording
xdotool key --delay 5 Right Right
wait_for 5 count_is -eq 3 log_count "$LOG_SOUND_ASYNC 130" || fail "the moves were not made"
game_caught_up
sleep 0.5
xdotool key --delay 5 Right a # any key but an arrow is refused while tracing
wait_for 5 count_is -eq 1 log_count "$LOG_SOUND_WAITED" || fail "the key was not refused"
stop_recording

# Click 1 stands alone; clicks 2 and 3 are the first pair, click 4 and the
# brr the second: the sounds found, in groups apart by a fifth of a second.
sounds_in_recording 300 20 | awk 'NR > 1 && $1 > end + 4410 { group++ } { print group + 1, $0; end = $1 + $2 }' \
    > "$WORK/sounds"
awk '{ print "  group " $1 ": sound at " $2 ", " $3 " samples, energy " $4 }' "$WORK/sounds"
in_group() { awk -v g="$1" '$1 == g { print $2, $3, $4 }' "$WORK/sounds"; }
[ "$(in_group 1 | wc -l)" -eq 1 ] || fail "the lone click is not one sound"
# The server takes the sounds into its mix in blocks of about 20 ms (441
# samples), and whatever of a sound it has taken plays: a sound replaced
# within a block is heard whole or, when the new one came before the block
# was taken, not at all.
pair=$(in_group 2 | wc -l)
if [ "$pair" -lt 1 ] || [ "$pair" -gt 2 ]; then fail "$pair sounds for two clicks"; fi
in_group 2 | awk 'NR == 1 { a = $1 } NR == 2 { print "click, then a click " $1 - a " samples later" }'
[ "$pair" -eq 2 ] || echo "click cut by the click after it before it was heard"
in_group 2 | tail -n 1 > "$WORK/whole"
check_clicks_whole "$WORK/whole" "the click that replaced another was not heard whole"
read_brr
read -r first second <<< "$(in_group 3 | awk 'NR <= 2 { printf "%s ", $1 }')"
if [ "$(in_group 3 | head -n 1 | cut -d' ' -f2)" -lt "$CLICK_SPAN" ] || [ -z "$second" ]; then
    echo "click cut by the brr before it was heard"
    brr_at=$first
else
    echo "click, then the brr $((second - BRR_LEAD - first)) samples later"
    brr_at=$second
fi
brr_loud=$(od -An -v -td2 -w2 "$REC" | awk -v from="$brr_at" 'NR > from { v = $1 + 0; if (v > 8192 || v < -8192) n++ } END { print n + 0 }')
echo "the brr has $brr_loud loud samples; a whole brr has $BRR_LOUD"
if [ "$brr_loud" -lt $((BRR_LOUD * 97 / 100)) ] || [ "$brr_loud" -gt $((BRR_LOUD * 103 / 100)) ]; then
    fail "the brr that replaced a click was not heard whole"
fi
echo "sound replace: ok"
