#!/usr/bin/env bash
# `make bench`: every performance figure in one table, measured in one run,
# each next to its floor, with the machine it was measured on.
# Usage: run.sh BUILD-DIR [START-UP-RUNS] [KEY-ROUNDS]
set -euo pipefail
build=${1:?build folder}
runs=${2:-15}
key_rounds=${3:-6}
here=$(dirname "$0")
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/^MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo)
os=$(. /etc/os-release && echo "$PRETTY_NAME")
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
load=$(cut -d' ' -f1-3 /proc/loadavg)

echo "O.R.L.I.X. performance, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Machine: $cpu, $(nproc) cores, $memory; $os; Qt $qt; load average before the run $load"
echo "Benchmarks: medians of 5 repetitions. Start-up: medians of $runs runs of each program, in turns,"
echo "on Xvfb 800 x 600 x 24 with no sound server; RSS 0.5 s after the first frame. Key to screen:"
echo "$key_rounds rounds of 40 arrow keys for the game and the floor in turns, on Xvfb, no window manager."
echo
printf '| %-44s | %-22s | %-40s | %-11s | %-9s | %-4s |\n' measure game "floor, measured in the same run" \
    ratio target met
printf '|%s|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..46})" "$(printf -- '-%.0s' {1..24})" \
    "$(printf -- '-%.0s' {1..42})" "$(printf -- '-%.0s' {1..13})" "$(printf -- '-%.0s' {1..11})" \
    "$(printf -- '-%.0s' {1..6})"
"$build/bench/orlix-bench"
"$here/access/measure.sh" "$build"
"$here/startup/measure.sh" "$build" "$runs"
"$here/latency/measure.sh" "$build" "$key_rounds" 40
