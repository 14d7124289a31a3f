# shellcheck shell=bash
# Sound steps of the end-to-end tests: a PulseAudio server with a null sink
# that the game plays to, a recording of what reaches that sink, and the
# sounds found in the recording. Source after lib.sh.

PULSE_PID=""
REC_PID=""
REC="$WORK/rec.raw"

start_pulse() {
    export XDG_RUNTIME_DIR="$WORK/pulse-runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-null-sink \
        --load=module-native-protocol-unix >"$WORK/pulse.log" 2>&1 &
    PULSE_PID=$!
    wait_for 10 pactl info || fail "no sound server"
    export KEEP_RUNTIME=1
}

stop_pulse() {
    [ -n "$PULSE_PID" ] || return 0
    kill -CONT "$PULSE_PID" 2>/dev/null || true
    kill "$PULSE_PID" 2>/dev/null || true
    PULSE_PID=""
}

# Call it with the game running: the sink's monitor delivers nothing while
# no stream plays, and parec itself takes a moment to begin.
start_recording() {
    parec --latency-msec=20 -d null.monitor --raw --format=s16le --rate=22050 --channels=1 \
        >"$REC" &
    REC_PID=$!
    wait_for 10 test -s "$REC" || fail "nothing recorded"
}

# parec loses what it still buffers unless stopped gently, after a pause.
stop_recording() {
    sleep 1
    kill -INT "$REC_PID"
    wait "$REC_PID" || true
    REC_PID=""
}

# One line per sound in the recording: "start length energy", in samples at
# 22050 Hz, energy as the sum of squares / 2^20. A sound is a run of samples
# louder than the threshold; runs closer than the gap belong together.
sounds_in_recording() { # sounds_in_recording THRESHOLD GAP
    od -An -v -td2 -w2 "$REC" | awk -v t="$1" -v gap="$2" '
        function flush() { if (len) printf "%d %d %d\n", start, len, int(e / 1048576); len = 0; e = 0 }
        { v = $1 + 0; i = NR - 1
          if (v > t || v < -t) {
              if (len && i - last > gap) flush()
              if (!len) start = i
              len = i - start + 1; last = i
          }
          if (len) e += v * v }
        END { flush() }'
}

trap 'stop_pulse; [ -n "$REC_PID" ] && kill "$REC_PID" 2>/dev/null; cleanup' EXIT

# The byte offset of a wave file's samples: just after its "data" header.
wave_samples_at() { echo $(($(grep -obUa data "$1" | head -n 1 | cut -d: -f1) + 8)); }

# Fails with MESSAGE unless every click listed in FILE (from
# sounds_in_recording) has the move click's own audible length and
# loudness, as the resource holds them; sets CLICK_SPAN to that length.
check_clicks_whole() { # check_clicks_whole FILE MESSAGE
    local energy
    read -r CLICK_SPAN energy <<< "$(od -An -v -tu1 -j "$(wave_samples_at "$ASSETS/sound/130.wav")" -N 219 "$ASSETS/sound/130.wav" | tr -s ' ' '\n' |
        awk 'NF { v = ($1 - 128) * 256; i++; if (v > 300 || v < -300) { if (!f) f = i; l = i } e += v * v }
             END { print l - f + 1, int(e / 1048576) }')"
    awk -v span="$CLICK_SPAN" -v energy="$energy" '
        $2 < span - 10 || $2 > span + 30 { print "click " NR " lasts " $2 " samples, not " span; bad = 1 }
        $3 < energy * 0.8 || $3 > energy * 1.25 { print "click " NR " has energy " $3 ", not " energy; bad = 1 }
        END { exit bad }' "$1" || fail "$2"
}

# The brr's loud samples (above a quarter of full scale) in the resource:
# sets BRR_LOUD to their count, BRR_SPAN to the samples from the first to
# the last of them, and BRR_LEAD to how far into the brr its first audible
# sample (as sounds_in_recording 300 hears it) lies.
read_brr() {
    # shellcheck disable=SC2034 # for the scripts that source this
    read -r BRR_LOUD BRR_SPAN BRR_LEAD <<< "$(od -An -v -td2 -w2 -j "$(wave_samples_at "$ASSETS/sound/136.wav")" -N 11026 "$ASSETS/sound/136.wav" |
        awk '{ v = $1 + 0; i++; if (v > 8192 || v < -8192) { n++; if (!f) f = i; l = i }
               if (!a && (v > 300 || v < -300)) a = i }
             END { print n, l - f + 1, a - 1 }')"
}

# The game on a bare X server, with a sound server whose sink is recorded.
start_recorded_game() {
    start_x bare
    start_pulse
    start_game
    start_recording
}
