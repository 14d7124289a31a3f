#!/usr/bin/env bash
# Accelerator keys never reach the game's key handler; the game's own keys
# (Delete here) do. Watched through the game's key log.
source "$(dirname "$0")/lib.sh"
start_x "${1:-openbox}"
start_game
press ctrl+c ctrl+z shift+Insert F6 ctrl+v shift+Delete
press Delete
wait_for 5 grep -qFx "$LOG_KEY 46" "$LOG" || fail "Delete did not reach the view"
reached=$(sed -n "s/^$LOG_KEY //p" "$LOG" | sort -u | tr '\n' ' ')
# Only the modifier presses themselves (Ctrl 17, Shift 16) and Delete.
for vk in $reached; do
    case $vk in 16 | 17 | 46) ;; *) fail "key $vk reached the view (all: $reached)" ;; esac
done
echo "keys: ok"
