#!/usr/bin/env bash
# A whole game with real key presses: the Triangle traced perfectly from
# its start dot scores 100, F2 shows it in the Triangle's newest field, the
# dialog's closing repaints the window through the game (its title's clock
# moves on), and End brings the prompt back. Half-way, boxes, dialogs, a
# forced repaint, the menus and refused input leave the game as it was.
# Usage: trace.sh WINDOW-MANAGER (see start_x)
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/modal.sh"
start_x "${1:?window manager}"
start_game
read -r ox oy <<< "$(view_origin)"
read -r vw vh <<< "$(first_paint_size)"
bl=$(((vw - 250) / 2)); bt=$(((vh - 250) / 2))

# Whether a counter or result line, 250 x 25 at TOP from the board's top,
# shows TEXT pixel for pixel as the game's own text drawing gives it.
line_shows() { # line_shows TEXT TOP
    "$TESTTOOL" text "$1" 250 25 "$WORK/line.png" || fail "cannot render '$1'"
    [ "$(differing_pixels "$(game_screenshot line-check)" $((ox + bl)) $((oy + bt + $2)) \
        "$WORK/line.png")" = 0 ]
}
arrow_keys_handled() { grep -cE "^$LOG_KEY (37|38|39|40)\$" "$LOG" || true; }

mapfile -t keys < <("$TESTTOOL" keys 1)
[ ${#keys[@]} -eq 495 ] || fail "the perfect trace has ${#keys[@]} moves, not 495"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
xdotool key --delay 8 "${keys[@]:0:200}"
wait_for 30 count_is -ge 200 arrow_keys_handled || fail "keys lost"
wait_for 10 line_shows "Move Count: 201" -47 || fail "the 200 moves are not shown"

# Nothing but a move changes the game.
midgame=$(settled_view midgame)
moves_before=$(log_count "$LOG_SOUND_ASYNC")
press F1
wait_modal 'O\.R\.L\.I\.X\.'
xdotool key Return
wait_modal_gone 'O\.R\.L\.I\.X\.'
press F2
wait_modal 'Scores by Image.*'
xdotool key Escape
wait_modal_gone 'Scores by Image.*'
press ctrl+n
open_menu alt+f
file_menu=$(popups)
xdotool key Right # on to the Help menu
wait_for 10 popups_other_than "$file_menu" || fail "Right did not go on to the Help menu"
xdotool key Escape # closes the menu; the second leaves the menu bar, or is refused
wait_for 10 no_popups || fail "Escape did not close the Help menu"
xdotool key Escape
press shift a Home
xdotool mousemove $((ox + 53)) $((oy + 20)) click 1 # another outline: refused
xdotool mousemove $((ox + 150)) $((oy + 300)) click 3 # right click off the board
view_back_to "$midgame" kept || fail "the game in progress changed"
[ "$(log_count "$LOG_SOUND_ASYNC")" -eq "$moves_before" ] || fail "a move was made"
refusals=$(log_count "$LOG_SOUND_WAIT 136")
[ "$refusals" -ge 5 ] || fail "only $refusals refusals"

xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
xdotool key --delay 8 "${keys[@]:200}"
wait_for 30 count_is -ge 495 arrow_keys_handled || fail "keys lost"
# The counters above the board and the results below it.
for line in "Misses:   0:250" "Hits: 496:275" "Score: 100:300" "Moves Left:   0:-25" \
    "Move Count: 496:-47" "Hit Count: 496:-69"; do
    wait_for 10 line_shows "${line%:*}" "${line##*:}" || fail "'${line%:*}' is not on the screen"
done
shot=$(game_screenshot finished)
[ "$(count_colour "$shot" $((ox + bl)) $((oy + bt)) 250 250 0,255,0)" -eq 0 ] ||
    fail "green is left on the board"
[ "$(log_count "$LOG_SOUND_WAIT")" -eq "$refusals" ] || fail "a move was refused"

# F2: the score is in the Triangle's newest field, the others are empty.
title_before=$(xdotool getwindowname "$WINDOW")
title_read_at=$(date +%s)
paints=$(paint_sizes | wc -l)
press F2
wait_modal 'Scores by Image.*'
grep -qF "$LOG_SCORE_FIELD 1001 '100' at" "$LOG" || fail "field 1001 does not hold 100"
dx=$(xwininfo -id "$MODAL" | sed -n 's/^ *Absolute upper-left X: *//p')
dy=$(xwininfo -id "$MODAL" | sed -n 's/^ *Absolute upper-left Y: *//p')
ink() { # ink FIELD-ID: dark pixels inside the field's frame
    local r x y w h
    r=$(grep -m 1 -F "$LOG_SCORE_FIELD $1 " "$LOG" |
        sed -E 's/.*QRect\(([0-9]+),([0-9]+) ([0-9]+)x([0-9]+)\).*/\1 \2 \3 \4/')
    read -r x y w h <<< "$r"
    convert "$shot" -crop "$((w - 6))x$((h - 6))+$((dx + x + 3))+$((dy + y + 3))" +repage \
        -colorspace gray -threshold 50% -negate -format "%[fx:int(mean*w*h+0.5)]" info:
}
shot_has_score() { shot=$(screenshot scores); [ "$(ink 1001)" -gt 10 ]; }
wait_for 10 shot_has_score || fail "the Triangle's newest field shows nothing"
[ "$(ink 1002)" -eq 0 ] || fail "the Circle's newest field is not empty"
[ "$(ink 1004)" -eq 0 ] || fail "the Triangle's older field is not empty"

# Esc closes it; the game repaints what it covered, with a new time: the
# title's clock shows seconds, so a new one must have begun.
clock_moved_on() { [ "$(date +%s)" -gt "$title_read_at" ]; }
wait_for 5 clock_moved_on || fail "the clock stands still"
xdotool key Escape
wait_modal_gone 'Scores by Image.*'
wait_for 5 count_is -gt "$paints" log_count "$LOG_REPAINT" || fail "no repaint after the dialog"
[ "$(xdotool getwindowname "$WINDOW")" != "$title_before" ] || fail "the title kept its time"
[ "$(paint_sizes | sort -u | wc -l)" -eq 1 ] || fail "paint sizes differ"
wait_for 10 line_shows "Score: 100" 300 || fail "the score is gone after the dialog"

# End: back to choosing, the board blank and the navy prompt shown.
press End
prompt_shown() {
    shot=$(game_screenshot selecting)
    [ "$(count_colour "$shot" $((ox + 10)) $((oy + 41)) 600 16 0,0,92)" -gt 50 ]
}
wait_for 10 prompt_shown || fail "no prompt"
[ "$(count_colour "$shot" $((ox + bl)) $((oy + bt)) 250 250 255,255,255)" -eq 62500 ] ||
    fail "the board is not blank"
kill -0 "$GAME_PID" || fail "the game ended"
echo "trace ($1): ok"
