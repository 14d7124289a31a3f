#!/usr/bin/env bash
# Ways the game ends, each with status 0: a change of the client size (the
# layout no longer fits), File > Exit through the menu, and Alt+F4.
# Usage: exit.sh bare|openbox|icewm|xfwm4|metacity|mutter|kwin
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/modal.sh"
mode=${1:?which window manager, or bare}
start_x "$mode"

# A window manager may refuse the size asked for, as the window's size is
# fixed once painted; then the game goes on. With none the size changes.
start_game
before=$(window_geometry)
xdotool windowsize "$WINDOW" 700 500
wait_game_end 5
if [ "$GAME_STATUS" = still-running ]; then
    [ "$mode" != bare ] || fail "no window manager, and the resize did not end the game"
    [ "$(window_geometry)" = "$before" ] || fail "resized to $(window_geometry) and still running"
    echo "the window manager refused the new size"
    kill "$GAME_PID"
    wait_game_end 5
else
    [ "$GAME_STATUS" = 0 ] || fail "after a resize: status $GAME_STATUS"
    echo "the new size ended the game"
fi

start_game
open_menu alt+f
xdotool key x
wait_game_end 10
[ "$GAME_STATUS" = 0 ] || fail "after File > Exit: status $GAME_STATUS"

start_game
press alt+F4
wait_game_end 10
[ "$GAME_STATUS" = 0 ] || fail "after Alt+F4: status $GAME_STATUS"
echo "exit ($mode): ok"
