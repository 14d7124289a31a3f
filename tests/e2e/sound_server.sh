#!/usr/bin/env bash
# A sound server that comes and goes under a game in progress: killed, the
# game goes on silently without losing a key or holding the input longer
# than a brr; started again, the next sound plays, a brr as a click; frozen
# (SIGSTOP), the input is held no longer than a brr; resumed, the sound
# comes back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
start_x bare
start_pulse
# This server and no other: nothing is started in its place while it is gone.
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
start_game
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1 # the Triangle: the pen starts bottom left
xdotool windowfocus --sync "$WINDOW"
press Right
wait_for 10 count_is -eq 1 log_count "$LOG_OUTPUT_OPEN" || fail "the game found no sound server"

# Sends KEYS and checks that each was handled and each refused one held the
# input no longer than a brr (250 ms); prints how long each was held.
keys_handled() { # keys_handled WHAT KEY...
    local what=$1 keys waited held
    shift
    keys=$(log_count "$LOG_KEY")
    waited=$(log_count "$LOG_SOUND_WAITED")
    xdotool key --delay 20 "$@"
    wait_for 10 count_is -ge $((keys + $#)) log_count "$LOG_KEY" ||
        fail "$what: $(($(log_count "$LOG_KEY") - keys)) of $# keys handled"
    game_caught_up
    held=$(grep -F "$LOG_SOUND_WAITED" "$LOG" | tail -n +$((waited + 1)) | sed "s/^$LOG_SOUND_WAITED //")
    echo "$what: $# keys handled; input held for: $(tr '\n' ',' <<< "$held")"
    awk '$1 > 250 { bad = 1 } END { exit bad }' <<< "$held" || fail "$what: the input was held longer than a brr"
}

# Records what the sink gets from the next move: one whole click. Succeeds
# at the move of TRIES (1 unless given) whose click is heard.
move_heard() { # move_heard WHAT [TRIES]
    local try
    for try in $(seq "${2:-1}"); do
        start_recording
        press Right
        game_caught_up
        stop_recording
        sounds_in_recording 300 40 > "$WORK/clicks"
        [ "$(wc -l < "$WORK/clicks")" -eq 0 ] || break
        echo "$1: no click heard for move $try"
    done
    [ "$(wc -l < "$WORK/clicks")" -eq 1 ] || fail "$1: $(wc -l < "$WORK/clicks") clicks for a move"
    check_clicks_whole "$WORK/clicks" "$1: the click arrived damaged"
    echo "$1: the click of move $try heard whole"
}

kill -KILL "$PULSE_PID"
wait "$PULSE_PID" 2>/dev/null || true
PULSE_PID=""
keys_handled "server killed" Right Right a Right a a Right
wait_for 5 grep -qF "sound output lost" "$LOG" || fail "the lost output was not told"

start_pulse
sleep 1.1 # the game tries the server again on a sound, once a second at most
# A refusal asks for the output again, as a move does: its brr is heard
# whole, and holds the input until then.
start_recording
press a
game_caught_up
stop_recording
read_brr
loud=$(od -An -v -td2 -w2 "$REC" | awk '{ v = $1 + 0; if (v > 8192 || v < -8192) n++ } END { print n + 0 }')
echo "server started again: the brr has $loud loud samples of $BRR_LOUD; $(grep -F "$LOG_SOUND_WAITED" "$LOG" | tail -n 1)"
[ "$loud" -ge $((BRR_LOUD * 97 / 100)) ] || fail "server started again: the brr was not heard whole"
grep -F "$LOG_SOUND_WAITED" "$LOG" | tail -n 1 | grep -q 'heard$' ||
    fail "server started again: the brr did not hold the input until it was heard"
move_heard "server started again"

kill -STOP "$PULSE_PID"
keys_handled "server frozen" a Right a a Right
kill -CONT "$PULSE_PID"
sleep 0.5 # the stream catches up with the server
# A resumed server takes a moment to play again (this null sink about two
# seconds, while it catches up with its clock); a sound asked for meanwhile
# is dropped rather than played late, and the sound is back by the second
# or third move.
move_heard "server resumed" 3
press alt+F4
wait_game_end 10
[ "$GAME_STATUS" = 0 ] || fail "quitting gave status $GAME_STATUS"
cp "$LOG" /tmp/server_game.log; echo "sound server: ok"
