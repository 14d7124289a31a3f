#!/usr/bin/env bash
# A held key leaves no train of brrs: an arrow held for two seconds before
# an outline is chosen is refused, but the repeats that queue up while a
# brr holds the input count as one key-down, so at most one more brr
# follows the release and a click on the Triangle right after it is
# answered at once. With a recorder on the sink (rec) the click is answered
# within 0.6 s of the release; as the sink's only client (lone), within one
# brr's hold and 0.3 s.
# Usage: sound_hold.sh rec|lone
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
mode=${1:?rec or lone}
start_x bare
start_pulse
start_game
[ "$mode" = rec ] && start_recording
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 20)) $((oy + 20)) # over the Triangle
xset r rate 660 25 # the X server's own auto-repeat: after 0.66 s, 25 a second
xdotool windowfocus --sync "$WINDOW" keydown Left sleep 2 keyup Left
released=$(date +%s%N)
brrs=$(log_count "$LOG_SOUND_WAIT 136")
xdotool click 1
until grep -qF "$LOG_LEFT_CLICK" "$LOG"; do
    [ $(($(date +%s%N) - released)) -lt 15000000000 ] || fail "the click was not answered"
    sleep 0.005
done
answered=$((($(date +%s%N) - released) / 1000000))
more=$(($(log_count "$LOG_SOUND_WAIT 136") - brrs))
holds=$(sed -n "s/^$LOG_SOUND_WAITED //p" "$LOG" | sort -n | awk '{ ms[NR] = $1 } END { print ms[int((NR + 1) / 2)], ms[1], ms[NR] }')
read -r median shortest longest <<< "$holds"
echo "$mode: $(log_count "$LOG_SOUND_WAIT 136") brrs for the held key, $more after the release;" \
    "input held $shortest to $longest ms a brr (median $median); click answered $answered ms after the release"
[ "$more" -le 1 ] || fail "$more brrs after the release"
limit=600
[ "$mode" = rec ] || limit=$((median + 300))
[ "$answered" -le "$limit" ] || fail "the click was answered $answered ms after the release, not within $limit"
[ "$(grep -F "$LOG_SOUND_WAITED" "$LOG" | grep -vc 'heard$')" -eq 0 ] ||
    fail "a wait ended before its brr was heard: $(grep -F "$LOG_SOUND_WAITED" "$LOG" | grep -v 'heard$' | head -n 1)"
[ "$mode" = rec ] && stop_recording
echo "sound hold $mode: ok"
