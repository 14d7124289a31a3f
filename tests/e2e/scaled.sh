#!/usr/bin/env bash
# On a screen scaled by 2 the game starts and stays up under openbox (the
# window's logical size rounds differently as the window manager settles),
# and the board is scaled without smoothing: every green pixel is pure.
source "$(dirname "$0")/lib.sh"
start_x openbox
export QT_SCALE_FACTOR=2
start_game
kill -0 "$GAME_PID" || fail "the scaled game ended at start-up"
wx=$(window_field "Absolute upper-left X"); wy=$(window_field "Absolute upper-left Y")
read -r vw vh <<< "$(first_paint_size)"
# Thumbnail 1, in physical pixels: twice its logical place below the menu bar.
wh=$(window_field "Height")
oy=$((wy + wh - 2 * vh))
xdotool mousemove $((wx + 40)) $((oy + 40)) click 1
bl=$(((vw - 250) / 2)); bt=$(((vh - 250) / 2))
# (a few rows of margin: the logical height may have rounded by one)
green=""
scaled_triangle_shown() {
    green=$(count_colour "$(screenshot scaled)" $((wx + 2 * bl)) $((oy + 2 * bt - 4)) 500 508 \
        0,255,0)
    [ "$green" -eq $((495 * 4 * 4)) ]
}
wait_for 10 scaled_triangle_shown || fail "$green pure green pixels, not the scaled Triangle"
kill -0 "$GAME_PID" || fail "the scaled game ended"
echo "scaled: ok"
