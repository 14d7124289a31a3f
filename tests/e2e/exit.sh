#!/usr/bin/env bash
# Ways the game ends, each with status 0: a change of the client size (the
# layout no longer fits), File > Exit through the menu, and Alt+F4.
# Usage: exit.sh bare|openbox
source "$(dirname "$0")/lib.sh"
start_x "${1:?bare or openbox}"

start_game
xdotool windowsize "$WINDOW" 700 500
wait_game_end 10
[ "$GAME_STATUS" = 0 ] || fail "after a resize: status $GAME_STATUS"

start_game
press alt+f
sleep 0.5
press x
wait_game_end 10
[ "$GAME_STATUS" = 0 ] || fail "after File > Exit: status $GAME_STATUS"

start_game
press alt+F4
wait_game_end 10
[ "$GAME_STATUS" = 0 ] || fail "after Alt+F4: status $GAME_STATUS"
echo "exit (${1}): ok"
