#!/usr/bin/env bash
# The brr really reaches the speakers: with a PulseAudio null sink, a
# refused click is recorded as a quarter second of loud ~520 Hz buzz.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
start_recorded_game
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 37)) $((oy + 20)) click 1 # the gap between two thumbnails
wait_for 5 grep -qF "$LOG_SOUND_WAIT 136" "$LOG" || fail "no brr asked for"
game_caught_up # the brr has had its time
stop_recording

# Samples louder than a quarter of full scale, and sign changes among them.
read -r loud crossings <<< "$(od -An -v -td2 -w2 "$REC" | awk '
    { v = $1 + 0; if (v > 8192 || v < -8192) { loud++; s = v > 0; if (n++ && s != last) cross++; last = s } }
    END { print loud + 0, cross + 0 }')"
# 250 ms at 22050 Hz is 5513 samples; the buzz is clipped near half scale,
# so most of it is loud. 520 Hz over 250 ms gives about 260 sign changes.
[ "$loud" -gt 3000 ] || fail "recorded only $loud loud samples"
{ [ "$crossings" -gt 180 ] && [ "$crossings" -lt 340 ]; } || fail "$crossings sign changes: not ~520 Hz"
echo "sound: ok ($loud loud samples, $crossings sign changes)"
