#!/usr/bin/env bash
# After seconds of silence the game closes its sound stream, so the sound
# device can sleep; the next move opens it again and its click still
# reaches the speakers whole, behind a little silence.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
start_x bare
start_pulse
start_game
start_recording
streams() { pactl list short sink-inputs | wc -l; }
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1 # the Triangle: the pen starts bottom left
press Right
wait_for 5 grep -q "orlix.sound: async 130" "$LOG" || fail "no first move"
[ "$(streams)" -eq 1 ] || fail "no stream while the game plays"
wait_for 10 grep -q "orlix.audio: output closed after a silence" "$LOG" ||
    fail "the stream stayed open through the silence"
wait_for 5 test "$(streams)" -eq 0 || fail "the server still has the game's stream"
press Right
wait_for 5 test "$(grep -c "orlix.sound: async 130" "$LOG")" -eq 2 || fail "no second move"
wait_for 5 test "$(streams)" -eq 1 || fail "the next sound did not open the stream again"
stop_recording

sounds_in_recording 300 40 > "$WORK/clicks"
awk '{ print "  click at " $1 ": " $2 " samples, energy " $3 }' "$WORK/clicks"
[ "$(wc -l < "$WORK/clicks")" -eq 2 ] || fail "2 moves but $(wc -l < "$WORK/clicks") clicks recorded"
read -r span energy <<< "$(od -An -v -tu1 -j "$(wave_samples_at "$ASSETS/sound/130.wav")" -N 219 "$ASSETS/sound/130.wav" | tr -s ' ' '\n' |
    awk 'NF { v = ($1 - 128) * 256; i++; if (v > 300 || v < -300) { if (!f) f = i; l = i } e += v * v }
         END { print l - f + 1, int(e / 1048576) }')"
awk -v span="$span" -v energy="$energy" '
    $2 < span - 10 || $2 > span + 30 { print "click " NR " lasts " $2 " samples, not " span; bad = 1 }
    $3 < energy * 0.8 || $3 > energy * 1.25 { print "click " NR " has energy " $3 ", not " energy; bad = 1 }
    END { exit bad }' "$WORK/clicks" || fail "a click arrived damaged"
echo "sound idle: ok"
