#!/usr/bin/env bash
# A screen reader's view of the game, read over AT-SPI under openbox: see
# access.py for what is checked.
source "$(dirname "$0")/lib.sh"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no AT-SPI bus (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (package python3-pyatspi)"
/usr/libexec/at-spi-bus-launcher --launch-immediately > "$WORK/at-spi.log" 2>&1 &
BUS_PID=$!
trap 'kill "$BUS_PID" 2>/dev/null; cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Printed pages go here, not into the tester's home.
export HOME="$WORK/home"
mkdir -p "$HOME"
start_x openbox
start_game
/usr/bin/python3 "$(dirname "$0")/access.py" "$GAME_PID" || fail "the accessibility check failed"
