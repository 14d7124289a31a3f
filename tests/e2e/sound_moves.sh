#!/usr/bin/env bash
# Move clicks reach the speakers whole, also while an arrow key is held down
# and auto-repeats: recorded at a PulseAudio null sink, each click heard has
# the click's own length and loudness.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
start_recorded_game
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1 # the Triangle: the pen starts bottom left
# The game takes the click before the keys: it gets them in that order.
press Right Right Right Right Right
wait_for 5 count_is -ge 5 log_count "$LOG_SOUND_ASYNC 130" ||
    fail "the first five moves were not made"
# Auto-repeat as the X server makes it, about 30 moves a second, for as
# long as the key is held.
xset r rate 200 30
xdotool windowfocus --sync "$WINDOW" keydown Right sleep 1.2 keyup Right
game_caught_up
stop_recording

moves=$(log_count "$LOG_SOUND_ASYNC 130")
[ "$moves" -ge 25 ] || fail "only $moves moves played a sound"
# Clicks may follow each other closely: each has 219 samples, the last ~140 quiet.
sounds_in_recording 300 40 > "$WORK/clicks"
clicks=$(wc -l < "$WORK/clicks")
echo "moves: $moves, clicks recorded: $clicks"
awk '{ print "  click at " $1 ": " $2 " samples, energy " $3 }' "$WORK/clicks"
# A move handled while the click before it is still unheard replaces that
# click, as any new sound replaces the one playing: on a busy machine the
# game takes some repeats in pairs. Every click heard must be whole, and
# most moves are heard.
[ "$clicks" -le "$moves" ] || fail "$moves moves but $clicks clicks recorded"
[ $((clicks * 2)) -ge "$moves" ] || fail "$moves moves but only $clicks clicks recorded"
check_clicks_whole "$WORK/clicks" "clicks arrived damaged"
echo "sound moves: ok ($clicks clicks of about $CLICK_SPAN samples)"
