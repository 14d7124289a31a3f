# Shared steps of the start-up measurements: a virtual display with or
# without a window manager, and programs started in turn, each run timed by
# orlix-startup-probe. Source it; it sets WORK and cleans up at exit.
# shellcheck shell=bash

WORK=$(mktemp -d)
PIDS=()
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$WORK"
}
trap cleanup EXIT

# The settings and runtime folders are the run's own: no sound server is
# reached, and the player's settings are left alone.
export XDG_RUNTIME_DIR="$WORK" XDG_CONFIG_HOME="$WORK/config"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# start_display NAME [WxH]: an Xvfb of that size (800 x 600 unless given), as DISPLAY.
start_display() {
    local fifo="$WORK/display.$1"
    exec 3> "$fifo"
    Xvfb -displayfd 3 -screen 0 "${2:-800x600}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    PIDS+=($!)
    exec 3>&-
    until [ -s "$fifo" ]; do sleep 0.05; done
    DISPLAY=":$(head -n 1 "$fifo")"
    export DISPLAY
}

# start_window_manager none|openbox
start_window_manager() {
    case $1 in
    none) ;;
    openbox)
        openbox --sm-disable >/dev/null 2>&1 &
        PIDS+=($!)
        until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
            sleep 0.05
        done
        sleep 0.5 # openbox goes on setting itself up after it has claimed the screen
        ;;
    *)
        echo "unknown window manager $1" >&2
        exit 2
        ;;
    esac
}

stop_display() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    PIDS=()
    sleep 0.2
}

# run_interleaved PROBE RUNS OUT PROGRAM...: each program started RUNS
# times, one after another in turn, the order turned by one each round, so
# a noisy machine hurts all alike. OUT/<i> gets program i's lines: "ms
# rss-kb anon-kb file-kb shmem-kb cpu-ms wm-ms" (see StartupProbe.cpp). RSS
# is read half a second after the first frame. One run each comes first,
# not kept: the first start after a display comes up is slower for all.
run_interleaved() {
    local probe=$1 runs=$2 out=$3
    shift 3
    local programs=("$@") n=$# i k r
    mkdir -p "$out"
    for i in $(seq 0 $((n - 1))); do
        "$probe" 500 "${programs[$i]}" > /dev/null
        : > "$out/$i"
    done
    for r in $(seq 0 $((runs - 1))); do
        for k in $(seq 0 $((n - 1))); do
            i=$(((k + r) % n))
            "$probe" 500 "${programs[$i]}" >> "$out/$i"
        done
    done
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
range() { sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "-" hi }'; }
column() { cut -d' ' -f"$2" "$1"; }
