#!/usr/bin/env bash
# A long evening in a few minutes: storm games, each the Triangle chosen,
# Down keys 2 ms apart until the moves are spent against the bottom edge and
# then refused with brrs, and End. Memory, open files and threads must stay
# flat: RSS after the last game within 1 % of RSS after the tenth.
# Usage: soak.sh bare [GAMES] [REFUSED]
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
games=${2:-30}
refused=${3:-8}
moves=495 # the Triangle's budget
start_x bare
start_pulse
start_game
read -r ox oy <<< "$(view_origin)"
xdotool windowfocus --sync "$WINDOW"
downs=()
for _ in $(seq $((moves + refused))); do downs+=(Down); done
usage() {
    local entries=(/proc/"$GAME_PID"/fd/* /proc/"$GAME_PID"/task/*)
    echo "$(awk '/VmRSS/ { print $2 }' "/proc/$GAME_PID/status") $(printf '%s\n' "${entries[@]}" | grep -c /fd/) $(printf '%s\n' "${entries[@]}" | grep -c /task/)"
}
for game in $(seq "$games"); do
    keys=$(log_count "$LOG_KEY")
    brrs=$(log_count "$LOG_SOUND_WAIT")
    xdotool mousemove $((ox + 20)) $((oy + 20)) click 1
    xdotool key --delay 2 "${downs[@]}"
    wait_for 60 count_is -ge $((brrs + refused)) log_count "$LOG_SOUND_WAIT" ||
        fail "game $game: the refused keys were not handled"
    press End
    wait_for 10 count_is -ge $((keys + moves + refused + 1)) log_count "$LOG_KEY" ||
        fail "game $game: End was not handled"
    read -r rss fds threads <<< "$(usage)"
    echo "game $game: RSS $rss kB, $fds files, $threads threads at $SECONDS s"
    case $game in
    10) read -r rss10 fds10 threads10 <<< "$rss $fds $threads" ;;
    esac
done
[ "$fds" -eq "$fds10" ] || fail "open files went from $fds10 after game 10 to $fds"
[ "$threads" -eq "$threads10" ] || fail "threads went from $threads10 after game 10 to $threads"
[ $((rss * 100)) -le $((rss10 * 101)) ] || fail "RSS grew from $rss10 kB after game 10 to $rss kB"
echo "soak: ok, RSS $rss10 kB after game 10 and $rss kB after game $games"
