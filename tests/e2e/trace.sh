#!/usr/bin/env bash
# A whole game with real key presses: the Triangle traced perfectly from
# its start dot scores 100, F2 shows it in the Triangle's newest field, the
# dialog's closing repaints the window through the game (its title's clock
# moves on), and End brings the prompt back.
# Usage: trace.sh bare|openbox
source "$(dirname "$0")/lib.sh"
mode=${1:?bare or openbox}
start_x "$mode"
start_game
read -r ox oy <<< "$(view_origin)"
read -r vw vh <<< "$(first_paint_size)"
bl=$(((vw - 250) / 2)); bt=$(((vh - 250) / 2)); bb=$((bt + 250))

mapfile -t keys < <("$TESTTOOL" keys 1)
[ ${#keys[@]} -eq 495 ] || fail "the perfect trace has ${#keys[@]} moves, not 495"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
xdotool key --delay 8 "${keys[@]:0:200}"
wait_for 30 test "$(grep -c 'orlix.keys: OnKeyDown' "$LOG")" -ge 200 || fail "keys lost"

# Nothing but a move changes the game: boxes, dialogs, a forced repaint,
# the menus, refused keys and clicks leave the view exactly as it was.
# The view, without the all but invisible budget number that only the
# selection draws (a repaint leaves its place erased).
view_shot() {
    convert "$(screenshot "$1")" -crop "${vw}x${vh}+$ox+$oy" +repage -fill white \
        -draw "rectangle $((vw - 40)),0 $vw,25" "$WORK/$1-view.png"
}
sleep 0.3
view_shot midgame
moves_before=$(grep -c 'orlix.sound: async' "$LOG")
press F1
wait_for 10 xdotool search --onlyvisible --name "^O.R.L.I.X.$" || fail "no instructions box"
sleep 0.3
xdotool key Return
press F2
wait_for 10 xdotool search --onlyvisible --name "Scores by Image" || fail "no scores dialog"
sleep 0.3
xdotool key Escape
press ctrl+n
xdotool mousemove $((ox + 20)) $((oy - 10)) click 1 # the File menu
sleep 0.3
xdotool key Escape Escape
press shift a Home
xdotool mousemove $((ox + 53)) $((oy + 20)) click 1 # another outline: refused
xdotool mousemove $((ox + 5)) $((oy + 5)) click 3   # right click off the board
sleep 0.8
view_shot kept
[ "$(compare -metric AE "$WORK/midgame-view.png" "$WORK/kept-view.png" null: 2>&1)" = 0 ] ||
    fail "the game in progress changed"
[ "$(grep -c 'orlix.sound: async' "$LOG")" -eq "$moves_before" ] || fail "a move was made"
refusals=$(grep -c 'orlix.sound: wait 136' "$LOG")
[ "$refusals" -ge 5 ] || fail "only $refusals refusals"

xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
xdotool key --delay 8 "${keys[@]:200}"
wait_for 30 test "$(grep -cE 'orlix.keys: OnKeyDown (37|38|39|40)$' "$LOG")" -ge 495 || fail "keys lost"
sleep 0.3
shot=$(screenshot finished)
# The result lines, pixel for pixel as the game's own text drawing gives them.
# Each line with the top of its 250 x 25 area, from the board's top.
for line in "Misses:   0:250" "Hits: 496:275" "Score: 100:300" "Moves Left:   0:-25" \
    "Move Count: 496:-47" "Hit Count: 496:-69"; do
    text=${line%:*}; top=${line##*:}
    "$TESTTOOL" text "$text" 250 25 "$WORK/line.png" || fail "cannot render '$text'"
    d=$(differing_pixels "$shot" $((ox + bl)) $((oy + bt + top)) "$WORK/line.png")
    [ "$d" = 0 ] || fail "'$text' is not on the screen ($d pixels differ)"
done
[ "$(count_colour "$shot" $((ox + bl)) $((oy + bt)) 250 250 0,255,0)" -eq 0 ] ||
    fail "green is left on the board"
[ "$(grep -c 'orlix.sound: wait' "$LOG")" -eq "$refusals" ] || fail "a move was refused"

# F2: the score is in the Triangle's newest field, the Circle's is empty.
title_before=$(xdotool getwindowname "$WINDOW")
paints=$(paint_sizes | wc -l)
press F2
wait_for 10 xdotool search --onlyvisible --name "Scores by Image" || fail "no scores dialog"
dialog=$(xdotool search --onlyvisible --name "Scores by Image" | head -n 1)
grep -q "orlix.dialogs: field 1001 '100' at" "$LOG" || fail "field 1001 does not hold 100"
sleep 0.5
shot=$(screenshot scores)
dx=$(xwininfo -id "$dialog" | sed -n 's/^ *Absolute upper-left X: *//p')
dy=$(xwininfo -id "$dialog" | sed -n 's/^ *Absolute upper-left Y: *//p')
ink() { # ink FIELD-ID: dark pixels inside the field's frame
    local r x y w h
    r=$(grep -m 1 "orlix.dialogs: field $1 " "$LOG" | sed -E 's/.*QRect\(([0-9]+),([0-9]+) ([0-9]+)x([0-9]+)\).*/\1 \2 \3 \4/')
    read -r x y w h <<< "$r"
    convert "$shot" -crop "$((w - 6))x$((h - 6))+$((dx + x + 3))+$((dy + y + 3))" +repage \
        -colorspace gray -threshold 50% -negate -format "%[fx:int(mean*w*h+0.5)]" info:
}
[ "$(ink 1001)" -gt 10 ] || fail "the Triangle's newest field shows nothing"
[ "$(ink 1002)" -eq 0 ] || fail "the Circle's newest field is not empty"
[ "$(ink 1004)" -eq 0 ] || fail "the Triangle's older field is not empty"

# Esc closes it; the game repaints what it covered, with a new time.
sleep 1.1
xdotool key Escape
wait_for 5 test "$(paint_sizes | wc -l)" -gt "$paints" || fail "no repaint after the dialog"
wait_for 5 sh -c "! xdotool search --onlyvisible --name 'Scores by Image'" || fail "dialog still open"
[ "$(xdotool getwindowname "$WINDOW")" != "$title_before" ] || fail "the title kept its time"
[ "$(paint_sizes | sort -u | wc -l)" -eq 1 ] || fail "paint sizes differ"
shot=$(screenshot after-dialog)
"$TESTTOOL" text "Score: 100" 250 25 "$WORK/line.png"
[ "$(differing_pixels "$shot" $((ox + bl)) $((oy + bb + 50)) "$WORK/line.png")" = 0 ] ||
    fail "the score is gone after the dialog"

# End: back to choosing, the board blank and the navy prompt shown.
press End
sleep 0.5
shot=$(screenshot selecting)
[ "$(count_colour "$shot" $((ox + 10)) $((oy + 41)) 600 16 0,0,92)" -gt 50 ] || fail "no prompt"
[ "$(count_colour "$shot" $((ox + bl)) $((oy + bt)) 250 250 255,255,255)" -eq 62500 ] ||
    fail "the board is not blank"
kill -0 "$GAME_PID" || fail "the game ended"
echo "trace ($mode): ok"
