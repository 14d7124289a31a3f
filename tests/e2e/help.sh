#!/usr/bin/env bash
# The help boxes over a game under way: F1 shows the instructions box, which
# fits the screen and whose OK returns to the same game; Help > About shows
# the About box, which Esc closes.
# Usage: help.sh bare|openbox
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/modal.sh"
start_x "${1:?bare or openbox}"
start_game
start_tracing
before=$(settled_view before)

press F1
wait_modal 'O\.R\.L\.I\.X\.'
grep -qF "$LOG_MESSAGE_BOX" "$LOG" || fail "F1 showed no message box"
on_screen "$MODAL" || fail "the instructions box does not fit the screen: $(xwininfo -id "$MODAL")"
screenshot instructions >/dev/null
xdotool key Return
wait_modal_gone 'O\.R\.L\.I\.X\.'
view_back_to "$before" after-f1 || fail "the view changed after F1"

open_menu alt+h
xdotool key a
wait_modal 'About O\.R\.L\.I\.X\.'
on_screen "$MODAL" || fail "the About box is off the screen"
screenshot about >/dev/null
xdotool key Escape
wait_modal_gone 'About O\.R\.L\.I\.X\.'
view_back_to "$before" after-about || fail "the view changed after About"

moves=$(log_count "$LOG_SOUND_ASYNC 130")
press Left
wait_for 5 count_is -gt "$moves" log_count "$LOG_SOUND_ASYNC 130" ||
    fail "the game no longer takes moves"
echo "help: ok"
