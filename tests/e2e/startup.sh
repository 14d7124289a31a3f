#!/usr/bin/env bash
# The real window as a player first meets it: it covers the screen, stays
# put, is painted once at its final size, shows the strip, the prompt and
# the help line, and a click on the first thumbnail shows the Triangle.
# Usage: startup.sh bare|openbox
source "$(dirname "$0")/lib.sh"
mode=${1:?bare or openbox}
start_x "$mode"
start_game

# The window covers the screen.
x=$(window_field "Absolute upper-left X"); y=$(window_field "Absolute upper-left Y")
w=$(window_field "Width"); h=$(window_field "Height")
[ "$x" -eq 0 ] && [ "$w" -eq 800 ] && [ $((y + h)) -eq 600 ] || fail "window at $x,$y size ${w}x$h"
[ "$mode" = bare ] && { [ "$y" -eq 0 ] || fail "window not at the top: $y"; }

# The title bar does not drag it, nor does a double click restore it.
if [ "$mode" = openbox ]; then
    xdotool mousemove 400 $((y / 2)) mousedown 1 mousemove 300 150 mousemove 200 300 mouseup 1
    xdotool mousemove 400 $((y / 2)) click --repeat 2 --delay 80 1
    sleep 0.5
    [ "$(window_field "Absolute upper-left Y")" -eq "$y" ] || fail "the window moved"
    [ "$(window_field "Height")" -eq "$h" ] || fail "the window changed size"
fi

# The first paint's layout is the final one: a forced repaint (Ctrl+N) sees
# the same client size, and the game goes on.
press ctrl+n
wait_for 5 test "$(paint_sizes | wc -l)" -ge 2 || fail "Ctrl+N did not repaint"
[ "$(paint_sizes | sort -u | wc -l)" -eq 1 ] || fail "paint sizes differ: $(paint_sizes | tr '\n' ';')"
read -r vw vh <<< "$(first_paint_size)"
[ "$vw" -eq 800 ] && [ $((y + h - vh)) -gt "$y" ] || fail "view ${vw}x$vh"
kill -0 "$GAME_PID" || fail "the game ended"

read -r ox oy <<< "$(view_origin)"
shot=$(screenshot selecting)
ids=(130 132 134 137 142 140 138 144 146 148 150 153 154 156 158)
for i in $(seq 0 14); do
    d=$(differing_pixels "$shot" $((ox + 10 + 33 * i)) $((oy + 10)) "$ASSETS/bitmap/${ids[$i]}.bmp")
    [ "$d" = 0 ] || fail "thumbnail $((i + 1)) differs in $d pixels"
done
[ "$(count_colour "$shot" $((ox + 10)) $((oy + 41)) 600 16 0,0,92)" -gt 50 ] || fail "no navy prompt"
[ "$(count_colour "$shot" "$ox" $((oy + vh - 24)) 800 24 255,80,80)" -gt 50 ] || fail "no red help line"

# A click on the first thumbnail shows the Triangle with its black start dot.
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1
sleep 0.5
shot=$(screenshot tracing)
bl=$(((800 - 250) / 2)); bt=$(((vh - 250) / 2))
[ "$(pixel "$shot" $((ox + bl)) $((oy + bt + 248)))" = "0,0,0" ] || fail "no start dot"
[ "$(pixel "$shot" $((ox + bl + 1)) $((oy + bt + 249)))" = "0,0,0" ] || fail "start dot not 2x2"
[ "$(pixel "$shot" $((ox + bl + 2)) $((oy + bt + 248)))" = "0,255,0" ] || fail "no green beside it"
[ "$(count_colour "$shot" $((ox + bl)) $((oy + bt)) 250 250 0,255,0)" -eq $((495 * 4)) ] ||
    fail "the board does not hold the Triangle"
grep -q "orlix.sound" "$LOG" && fail "a successful selection made a sound"
echo "startup ($mode): ok"
