#!/usr/bin/env bash
# The game ends at once with status 0 while a sound plays, whichever way it
# is ended: Alt+F4, File > Exit or SIGTERM, during a brr (which holds the
# input, so the keys wait for it) and during a click. It leaves no process
# and no client on the sound server behind, and the scores and settings
# are saved as at any other exit.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/modal.sh"
source "$(dirname "$0")/sound_lib.sh"
start_x bare
start_pulse
game_clients() { pactl list short clients | grep -c orlix || true; }

# Starts the game and the sound: a brr (a key refused while no outline is
# chosen) or a click (a move on the Triangle).
start_sound() { # start_sound brr|click
    start_game
    xdotool windowfocus --sync "$WINDOW"
    if [ "$1" = click ]; then
        read -r ox oy <<< "$(view_origin)"
        xdotool mousemove $((ox + 20)) $((oy + 20)) click 1
        press Right
        wait_for 5 grep -qF "$LOG_SOUND_ASYNC 130" "$LOG" || fail "no click"
    else
        press a
        wait_for 5 grep -qF "$LOG_SOUND_WAIT 136" "$LOG" || fail "no brr"
    fi
}

end_game() { # end_game alt+F4|file-exit|sigterm
    case $1 in
    alt+F4) xdotool key alt+F4 ;;
    file-exit) open_menu alt+f && xdotool key x ;;
    sigterm) kill -TERM "$GAME_PID" ;;
    esac
}

for sound in brr click; do
    for way in alt+F4 file-exit sigterm; do
        start_sound $sound
        started=$(date +%s%N)
        end_game $way
        wait_game_end 5
        [ "$GAME_STATUS" = 0 ] || fail "$way during a $sound: status $GAME_STATUS"
        ms=$((($(date +%s%N) - started) / 1000000))
        wait_for 5 count_is -eq 0 game_clients || fail "$way during a $sound: the sound server still has the game"
        echo "$way during a $sound: ended with status 0 after $ms ms, nothing left behind"
    done
done
echo "exit during sound: ok"
