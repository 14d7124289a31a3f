# shellcheck shell=bash
# Shared steps for the modal boxes: waiting for a box by its caption, seeing
# it go, and comparing the view before and after. Source after lib.sh.
# While a box is open, keys go to it with plain `xdotool key`: `press`
# would hand the keyboard back to the main window first.

# The visible window whose name is exactly the pattern (a grep -x regex).
modal_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        xdotool getwindowname "$id" | grep -qx "$1" && { echo "$id"; return 0; }
    done
    return 1
}

has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# wait_modal PATTERN: waits for the box to show and take the keyboard, as a
# player sees it ready; sets MODAL to its id.
wait_modal() {
    wait_for 10 modal_window "$1" || fail "no window named '$1'"
    MODAL=$(modal_window "$1")
    wait_for 10 has_focus "$MODAL" || fail "'$1' did not take the keyboard"
}

modal_gone() { ! modal_window "$1" >/dev/null; }

wait_modal_gone() { # wait_modal_gone PATTERN
    wait_for 10 modal_gone "$1" || fail "window '$1' did not close"
}

# Whether a window lies wholly on the screen, frame aside.
on_screen() { # on_screen WINDOW
    local info x y w h sw sh
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<< "$info")
    y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<< "$info")
    w=$(sed -n 's/^ *Width: *//p' <<< "$info")
    h=$(sed -n 's/^ *Height: *//p' <<< "$info")
    sw=$(xwininfo -root | sed -n 's/^ *Width: *//p')
    sh=$(xwininfo -root | sed -n 's/^ *Height: *//p')
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$sw" ] && [ $((y + h)) -le "$sh" ]
}

# The view as the screen shows it, without its top right corner: the
# budget number there is drawn by a selection only, and any repaint of that
# corner rightly leaves it out.
view_shot() { # view_shot NAME -> the picture's path
    local file ox oy w h
    file=$(game_screenshot "$1")
    read -r ox oy <<< "$(view_origin)"
    read -r w h <<< "$(first_paint_size)"
    convert "$file" -crop "${w}x${h}+${ox}+${oy}" +repage -fill white \
        -draw "rectangle $((w - 40)),0 $((w - 1)),24" "$WORK/$1-view.png"
    echo "$WORK/$1-view.png"
}

same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

# The view once it has settled: two shots in a row alike.
settled_view() { # settled_view NAME -> the picture's path
    local first next
    first=$(view_shot "$1-first")
    for _ in $(seq 50); do
        sleep 0.2
        next=$(view_shot "$1")
        same_picture "$first" "$next" && break
        cp "$next" "$first"
    done
    echo "$next"
}

# Whether the view comes back to the picture within a few seconds, as it
# should once the repaint after a closed box has reached the screen.
view_back_to() { # view_back_to PICTURE NAME
    local end=$((SECONDS + 10))
    until same_picture "$1" "$(view_shot "$2")"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.2
    done
}

view_differs_from() { ! same_picture "$1" "$(view_shot "$2")"; } # PICTURE NAME

# A game under way: the first outline chosen and a few moves made.
start_tracing() {
    local ox oy strip
    read -r ox oy <<< "$(view_origin)"
    strip=$(settled_view strip)
    xdotool mousemove $((ox + 20)) $((oy + 20)) click 1
    wait_for 10 view_differs_from "$strip" chosen || fail "the click chose no outline"
    press Right Right Right
    # Moves sound the click; in any other phase the keys would sound the brr.
    wait_for 5 count_is -ge 3 log_count "$LOG_SOUND_ASYNC 130" || fail "no game under way"
}

visible_windows() { xdotool search --onlyvisible --classname orlix 2>/dev/null | wc -l; }

# The game's open menus and boxes: its visible windows but the main one.
popups() {
    xdotool search --onlyvisible --classname orlix 2>/dev/null | grep -vx "$WINDOW" | sort || true
}
no_popups() { [ -z "$(popups)" ]; }
popups_other_than() { # popups_other_than LIST: another one shows instead
    local now
    now=$(popups)
    [ -n "$now" ] && [ "$now" != "$1" ]
}

# Opens a menu of the menu bar with its Alt key and waits for it to show.
open_menu() { # open_menu alt+LETTER
    local before
    before=$(visible_windows)
    press "$1"
    wait_for 10 count_is -gt "$before" visible_windows || fail "$1 opened no menu"
}
