#!/usr/bin/env bash
# Printing the instructions from a game under way: Ctrl+P opens the print
# dialog, and confirming it with printing to a PDF file writes one page with
# the instructions and the window title; Ctrl+P then Esc prints nothing, nor
# does File > Print then Esc.
# Either way the game goes on as it was.
# Usage: print.sh bare|openbox
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/modal.sh"
start_x "${1:?bare or openbox}"
# The print dialog proposes print.pdf in the working folder; no printer of
# the machine's own print server may be offered instead.
export HOME="$WORK" CUPS_SERVER="$WORK/no-cups.sock"
cd "$WORK"
start_game
start_tracing
before=$(settled_view before)

press ctrl+p
wait_modal "Print"
screenshot print-dialog >/dev/null
xdotool key Return
wait_modal_gone "Print"
wait_for 15 pdfinfo "$WORK/print.pdf" || fail "no PDF was written"
pages=$(pdfinfo "$WORK/print.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 1 ] || fail "the PDF has $pages pages"
text=$(pdftotext -raw "$WORK/print.pdf" -)
for words in "Welcome to O.R.L.I.X." "To play:" "7. To play again, press the End key" \
    "Hint: " "800x600" "games@example.org" "downloads.example.org"; do
    grep -qF -- "$words" <<< "$text" || fail "the page lacks '$words': $text"
done
grep -qE '^O\.R\.L\.I\.X\. .* -- Version K418$' <<< "$text" || fail "no title line: $text"
view_back_to "$before" after-print || fail "the view changed after printing"

rm "$WORK/print.pdf"
press ctrl+p
wait_modal "Print"
xdotool key Escape
wait_modal_gone "Print"
game_caught_up # a print would be written by now
[ ! -e "$WORK/print.pdf" ] || fail "a cancelled print wrote a file"
view_back_to "$before" after-cancel || fail "the view changed after cancelling"

# The menu's entry opens the same dialog.
open_menu alt+f
xdotool key p
wait_modal "Print"
xdotool key Escape
wait_modal_gone "Print"
game_caught_up
[ ! -e "$WORK/print.pdf" ] || fail "a print cancelled from the menu wrote a file"

# The game goes on: the next move reaches it and sounds.
moves=$(log_count "$LOG_SOUND_ASYNC 130")
press Left
wait_for 5 count_is -gt "$moves" log_count "$LOG_SOUND_ASYNC 130" ||
    fail "the game no longer takes moves"
echo "print: ok"
