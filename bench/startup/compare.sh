#!/usr/bin/env bash
# Start-up of several builds of the game (or any programs that report their
# first frame as it does), interleaved, against the first one named: the
# median first frame and RSS of each, and their differences from the first.
# Usage: compare.sh PROBE RUNS "none openbox" LABEL=PROGRAM...
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@" 2> >(grep -v "fd limit" >&2)
fi
probe=${1:?probe}
runs=${2:?runs}
managers=${3:?window managers}
shift 3
# shellcheck source=bench/startup/lib.sh
source "$(dirname "$0")/lib.sh"
labels=()
programs=()
for argument in "$@"; do
    labels+=("${argument%%=*}")
    programs+=("${argument#*=}")
done

printf '%-8s %-34s %10s %10s %9s %10s\n' "" "" "first" "than the" "RSS" "than the"
printf '%-8s %-34s %10s %10s %9s %10s\n' "" "" "frame" "first" "" "first"
for wm in $managers; do
    start_display "$wm"
    start_window_manager "$wm"
    run_interleaved "$probe" "$runs" "$WORK/$wm" "${programs[@]}"
    base_ms=$(column "$WORK/$wm/0" 1 | median)
    base_kb=$(column "$WORK/$wm/0" 2 | median)
    for i in "${!programs[@]}"; do
        ms=$(column "$WORK/$wm/$i" 1 | median)
        kb=$(column "$WORK/$wm/$i" 2 | median)
        awk -v wm="$wm" -v l="${labels[$i]}" -v ms="$ms" -v kb="$kb" -v bms="$base_ms" \
            -v bkb="$base_kb" 'BEGIN {
                printf "%-8s %-34s %7.1f ms %+7.1f ms %6.2f MB %+7.2f MB\n",
                       wm, l, ms, ms - bms, kb / 1024, (kb - bkb) / 1024 }'
    done
    stop_display
done
