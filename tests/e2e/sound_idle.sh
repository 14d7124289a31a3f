#!/usr/bin/env bash
# After seconds of silence the game pauses its sound stream, so the sound
# device can sleep; the next move resumes it and its click still reaches
# the speakers whole.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
start_recorded_game
streams() { pactl list short sink-inputs | wc -l; }
paused() { pactl list sink-inputs | grep -c 'Corked: yes' || true; }
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1 # the Triangle: the pen starts bottom left
press Right
wait_for 5 grep -qF "$LOG_SOUND_ASYNC 130" "$LOG" || fail "no first move"
[ "$(streams)" -eq 1 ] || fail "no stream while the game plays"
wait_for 10 grep -qF "$LOG_OUTPUT_IDLE" "$LOG" ||
    fail "the stream played on through the silence"
wait_for 5 count_is -eq 1 paused || fail "the server still plays the game's stream"
press Right
wait_for 5 count_is -eq 2 log_count "$LOG_SOUND_ASYNC 130" || fail "no second move"
wait_for 5 count_is -eq 0 paused || fail "the next sound did not resume the stream"
[ "$(streams)" -eq 1 ] || fail "$(streams) streams for the game"
stop_recording

sounds_in_recording 300 40 > "$WORK/clicks"
awk '{ print "  click at " $1 ": " $2 " samples, energy " $3 }' "$WORK/clicks"
[ "$(wc -l < "$WORK/clicks")" -eq 2 ] || fail "2 moves but $(wc -l < "$WORK/clicks") clicks recorded"
check_clicks_whole "$WORK/clicks" "a click arrived damaged"
echo "sound idle: ok"
