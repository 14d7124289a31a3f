#!/usr/bin/env bash
# Every move click reaches the speakers whole, also while an arrow key is
# held down and auto-repeats: recorded at a PulseAudio null sink, each move
# is one click with the click's own length and loudness.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound_lib.sh"
start_x bare
start_pulse
start_game
start_recording
read -r ox oy <<< "$(view_origin)"
xdotool mousemove $((ox + 20)) $((oy + 20)) click 1 # the Triangle: the pen starts bottom left
sleep 0.5
press Right Right Right Right Right
sleep 0.5
# Auto-repeat as the X server makes it, about 30 moves a second.
xset r rate 200 30
xdotool windowfocus --sync "$WINDOW" keydown Right sleep 1.2 keyup Right
sleep 0.5
stop_recording

moves=$(grep -c "orlix.sound: async 130" "$LOG" || true)
[ "$moves" -ge 25 ] || fail "only $moves moves played a sound"
# Clicks may follow each other closely: each has 219 samples, the last ~140 quiet.
sounds_in_recording 300 40 > "$WORK/clicks"
clicks=$(wc -l < "$WORK/clicks")
echo "moves: $moves, clicks recorded: $clicks"
awk '{ print "  click at " $1 ": " $2 " samples, energy " $3 }' "$WORK/clicks"
[ "$clicks" -eq "$moves" ] || fail "$moves moves but $clicks clicks recorded"
# The click's own samples: its audible part and its energy, from the resource.
read -r span energy <<< "$(od -An -v -tu1 -j "$(wave_samples_at "$ASSETS/sound/130.wav")" -N 219 "$ASSETS/sound/130.wav" | tr -s ' ' '\n' |
    awk 'NF { v = ($1 - 128) * 256; i++; if (v > 300 || v < -300) { if (!f) f = i; l = i } e += v * v }
         END { print l - f + 1, int(e / 1048576) }')"
awk -v span="$span" -v energy="$energy" '
    $2 < span - 10 || $2 > span + 30 { print "click " NR " lasts " $2 " samples, not " span; bad = 1 }
    $3 < energy * 0.8 || $3 > energy * 1.25 { print "click " NR " has energy " $3 ", not " energy; bad = 1 }
    END { exit bad }' "$WORK/clicks" || fail "clicks arrived damaged"
echo "sound moves: ok ($clicks clicks of about $span samples)"
