#!/usr/bin/env bash
# What the board's words for a screen reader add to a move with a screen
# reader listening: the benchmark on X, with the accessibility bus on and a
# listener registered for what a screen reader follows (focus and
# description changes). Prints its rows of the performance table.
# Usage: measure.sh BUILD-DIR
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@" 2> >(grep -v "fd limit" >&2)
fi
build=${1:?build folder}
here=$(dirname "$0")
# shellcheck source=bench/startup/lib.sh
source "$here/../startup/lib.sh"
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "no accessibility bus: at-spi2-core" >&2; exit 0; }
start_display access
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
PIDS+=($!)
/usr/bin/python3 -c '
import pyatspi, sys
pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused",
                                       "object:property-change:accessible-description")
print("listening", flush=True)
pyatspi.Registry.start()' > "$WORK/listener" 2>&1 &
PIDS+=($!)
until grep -q listening "$WORK/listener"; do sleep 0.05; done
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/bench/orlix-bench" \
    --benchmark_filter='^(ArrowMove|BoardTextListened)$' > "$WORK/rows"
grep 'listening' "$WORK/rows" || echo "measure.sh: the screen reader's bus did not come up" >&2
