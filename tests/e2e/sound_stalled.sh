#!/usr/bin/env bash
# Sound never holds the game: with the sound server stopped (SIGSTOP) each
# refused key is handled after no more than its brr's length, and without
# any server the game plays silently. Either way it still quits at once.
# Usage: sound_stalled.sh stalled|none
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
mode=${1:?stalled or none}
start_x bare
[ "$mode" = stalled ] && start_pulse
start_game
xdotool windowfocus --sync "$WINDOW"
if [ "$mode" = stalled ]; then
    # The first sound opens the output, on its own thread.
    xdotool key Home
    wait_for 10 grep -qF "$LOG_OUTPUT_OPEN" "$LOG" || fail "the game found no sound server"
    game_caught_up
    kill -STOP "$PULSE_PID"
fi
keys=$(log_count "$LOG_KEY")
brrs=$(log_count "$LOG_SOUND_WAIT 136")
started=$SECONDS
xdotool key --delay 20 Left Up Right Down Left Up Right Down
# Eight brrs take two seconds; a server that holds the game takes 30 s each.
wait_for 20 count_is -ge $((keys + 8)) log_count "$LOG_KEY" ||
    fail "the keys were not handled in time"
echo "8 refused keys handled in about $((SECONDS - started)) s"
[ "$(log_count "$LOG_SOUND_WAIT 136")" -eq $((brrs + 8)) ] || fail "not every key asked for a brr"
press alt+F4
wait_game_end 10
[ "$GAME_STATUS" = 0 ] || fail "quitting gave status $GAME_STATUS"
echo "sound $mode: ok"
