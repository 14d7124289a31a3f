#!/usr/bin/env bash
# The real window as a player first meets it, under a window manager or
# none: it fills the work area, stays put and keeps its size, is painted at
# its final size from the first paint on, shows the strip, the prompt and
# the help line, and a click on the first thumbnail shows the Triangle.
# Usage: startup.sh bare|openbox|icewm|xfwm4|metacity|mutter|kwin
source "$(dirname "$0")/lib.sh"
mode=${1:?which window manager, or bare}
start_x "$mode"
start_game

# The window manager told when the window was settled; no time limit ran out.
grep -qF "$LOG_SETTLED_LATE" "$LOG" && fail "the window manager never settled the window"

# The window was made at the size it was shown at, not at the toolkit's
# first 640 x 480 and resized afterwards: that resize would be a request to
# the window manager, which weston answered by un-maximizing the window.
grep -m 1 -F "$LOG_SHOWN " "$LOG" | grep -q "client QRect(-*[0-9]*,-*[0-9]* 640x480)" &&
    fail "the window was made at 640 x 480 and resized afterwards"

# The window fills the work area: it lies inside it, and its frame (if the
# window manager draws one) covers it, borders pushed off the screen allowed.
read -r x y w h <<< "$(window_geometry)"
read -r l r t b <<< "$(frame_extents)"
read -r ax ay aw ah <<< "$(work_area)"
{ [ "$x" -ge "$ax" ] && [ "$y" -ge "$ay" ] && [ $((x + w)) -le $((ax + aw)) ] &&
    [ $((y + h)) -le $((ay + ah)) ]; } || fail "window $x,$y ${w}x$h outside the work area $ax,$ay ${aw}x$ah"
{ [ $((x - l)) -le "$ax" ] && [ $((y - t)) -le "$ay" ] && [ $((x + w + r)) -ge $((ax + aw)) ] &&
    [ $((y + h + b)) -ge $((ay + ah)) ]; } ||
    fail "window $x,$y ${w}x$h in its frame $l,$r,$t,$b does not fill the work area $ax,$ay ${aw}x$ah"

# Neither the title bar nor the window manager's own keys and mouse
# bindings move it or change its size (dragging the title, double-clicking
# it, Alt+drag, Alt+right-drag, the move and resize keys of metacity and
# xfwm4).
if [ "$mode" != bare ]; then
    try_to_move_and_resize "$y"
    [ "$(window_geometry)" = "$x $y $w $h" ] || fail "the window moved or changed size: $(window_geometry)"
fi

# The first paint's layout is the final one: a forced repaint (Ctrl+N) sees
# the same client size, and the game goes on.
press ctrl+n
wait_for 5 count_is -ge 2 log_count "$LOG_REPAINT" || fail "Ctrl+N did not repaint"
[ "$(paint_sizes | sort -u | wc -l)" -eq 1 ] || fail "paint sizes differ: $(paint_sizes | tr '\n' ';')"
read -r vw vh <<< "$(first_paint_size)"
{ [ "$vw" -eq "$w" ] && [ "$vh" -lt "$h" ]; } || fail "view ${vw}x$vh in a window ${w}x$h"
kill -0 "$GAME_PID" || fail "the game ended"

read -r ox oy <<< "$(view_origin)"
shot=$(screenshot selecting)
# shellcheck source=/dev/null
source "${CATALOGUE:?}"
for i in "${!OUTLINE_THUMBNAIL_IDS[@]}"; do
    d=$(differing_pixels "$shot" $((ox + 10 + 33 * i)) $((oy + 10)) \
        "$ASSETS/bitmap/${OUTLINE_THUMBNAIL_IDS[$i]}.bmp")
    [ "$d" = 0 ] || fail "thumbnail $((i + 1)) differs in $d pixels"
done
[ "$(count_colour "$shot" $((ox + 10)) $((oy + 41)) 600 16 0,0,92)" -gt 50 ] || fail "no navy prompt"
[ "$(count_colour "$shot" "$ox" $((oy + vh - 24)) "$vw" 24 255,80,80)" -gt 50 ] || fail "no red help line"

# A click on the first thumbnail shows the Triangle with its black start dot.
# (The arrow keys tried on the window manager above may have reached the
# game and buzzed: only what the click does counts.)
seen=$(wc -l < "$LOG")
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1
bl=$(((vw - 250) / 2)); bt=$(((vh - 250) / 2))
board_green() { count_colour "$shot" $((ox + bl)) $((oy + bt)) 250 250 0,255,0; }
triangle_shown() { shot=$(screenshot tracing); [ "$(board_green)" -eq $((495 * 4)) ]; }
wait_for 10 triangle_shown || fail "the board does not hold the Triangle: $(board_green) green pixels"
[ "$(pixel "$shot" $((ox + bl)) $((oy + bt + 248)))" = "0,0,0" ] || fail "no start dot"
[ "$(pixel "$shot" $((ox + bl + 1)) $((oy + bt + 249)))" = "0,0,0" ] || fail "start dot not 2x2"
[ "$(pixel "$shot" $((ox + bl + 2)) $((oy + bt + 248)))" = "0,255,0" ] || fail "no green beside it"
tail -n +$((seen + 1)) "$LOG" | grep -qF -e "$LOG_SOUND_ASYNC" -e "$LOG_SOUND_WAIT" &&
    fail "a successful selection made a sound"
echo "startup ($mode): ok"
