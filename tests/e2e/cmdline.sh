#!/usr/bin/env bash
# The command line as a Linux user meets it: --help and --version answer
# without a display and touch no file; an unknown option only warns; a
# document that cannot be opened (missing, or a FIFO that nobody writes
# to) fails the start with the error message instead of hanging; and the
# title's date is in the user's own locale and encoding. In a French
# locale, the title and --help are French, in German --help is German.
source "$(dirname "$0")/lib.sh"
start_x bare
real=$ORLIX

# start_with ARGS...: the game started by start_game, with these arguments.
start_with() {
    printf '#!/bin/sh\nexec "%s" "$@" %s\n' "$real" "$*" > "$WORK/orlix-args"
    chmod +x "$WORK/orlix-args"
    ORLIX=$WORK/orlix-args
}

empty="$WORK/empty-config"
mkdir -p "$empty"
for option in --version -v --help; do
    out=$(env -u DISPLAY XDG_CONFIG_HOME="$empty" "$real" $option) || fail "$option failed"
    case $option in
    --help) grep -q "^Usage: orlix \[options\] \[document\]" <<< "$out" || fail "help: $out" ;;
    *) [[ $out =~ ^O\.R\.L\.I\.X\.\ [0-9]+\.[0-9]+$ ]] || fail "version: $out" ;;
    esac
done
[ -z "$(ls -A "$empty")" ] || fail "help or version wrote $(ls -A "$empty")"
usage=$(LANG=de_DE.UTF-8 "$real" --help | head -n 1)
[ "$usage" = "Aufruf: orlix [Optionen] [Dokument]" ] || fail "German help: $usage"
usage=$(LANGUAGE=pt_BR:fr LANG=C "$real" --help | head -n 1)
[ "$usage" = $'Usage\u00a0: orlix [options] [document]' ] || fail "French help: $usage"

start_with --no-such-option
start_game
grep -q "unknown option 'no-such-option'" "$LOG" || fail "no warning for the unknown option"
kill "$GAME_PID"; wait "$GAME_PID" 2>/dev/null || true

# A document that cannot be opened: the message box, then status 1.
mkfifo "$WORK/fifo"
for document in "$WORK/fifo" "$WORK/missing"; do
    XDG_CONFIG_HOME="$WORK/config" "$real" "$document" > "$LOG" 2>&1 &
    GAME_PID=$!
    wait_for 15 xdotool search --onlyvisible --name "^O\.R\.L\.I\.X\.$" ||
        fail "no message box for $document"
    grep -q "Failed to open document." "$LOG" || fail "no error on stderr for $document"
    box=$(xdotool search --onlyvisible --name "^O\.R\.L\.I\.X\.$" | head -n 1)
    xdotool windowfocus --sync "$box" key Return
    wait_game_end 10
    [ "$GAME_STATUS" = 1 ] || fail "$document: status $GAME_STATUS"
done

# The title under a locale that is not UTF-8: decoded right, its date in
# that locale's words, and PATTERN (with DAY for the date's day) in it.
title_under() {
    local locale=$1 charset=$2 pattern=$3
    localedef -i "${locale%%.*}" -f "$charset" "$LOCPATH/$locale" 2>/dev/null || [ $? -eq 1 ] ||
        fail "localedef failed"
    LANG=$locale start_game
    local title day
    title=$(xprop -id "$WINDOW" _NET_WM_NAME)
    day=$(LC_ALL=$locale date +%a | iconv -f "$charset" -t UTF-8)
    echo "title: $title"
    grep -q $'\xef\xbf\xbd' <<< "$title" && fail "replacement characters in the title"
    grep -q -- "${pattern/DAY/$day}" <<< "$title" || fail "the title is not as $locale writes it ($day)"
    kill "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null || true
}
export LOCPATH="$WORK/locale"
mkdir -p "$LOCPATH"
ORLIX=$real
title_under tr_TR.ISO-8859-9 ISO-8859-9 "-- DAY "
# In French: the notice translated beside the date.
title_under fr_FR.ISO-8859-1 ISO-8859-1 "tous droits réservés -- DAY "
echo "cmdline: ok"
