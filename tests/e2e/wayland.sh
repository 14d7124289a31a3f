#!/usr/bin/env bash
# On a Wayland desktop (weston's headless back end, with XWayland) the game
# starts and stays, painted at one size from its first paint on, both
# natively and through XWayland; with both on offer it picks XWayland.
# Usage: wayland.sh native|xwayland|default
source "$(dirname "$0")/lib.sh"
mode=${1:?native, xwayland or default}
command -v weston > /dev/null || skip "weston is not installed"
command -v Xwayland > /dev/null || skip "xwayland is not installed"
[ -e "$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)/platforms/libqwayland-generic.so" ] ||
    skip "Qt's Wayland platform (qt6-wayland) is not installed"

export XDG_RUNTIME_DIR="$WORK/runtime" KEEP_RUNTIME=1
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=orlix-test
# Without the desktop's panel: weston starts it on its own time, and a panel
# that comes up after the game has painted shrinks the maximized window, which
# ends the game (its layout is fixed at the first paint). A desktop has its
# panel up long before a game starts.
printf '[shell]\npanel-position=none\n' > "$WORK/weston.ini"
weston --config="$WORK/weston.ini" --backend=headless-backend.so --xwayland \
    --socket="$WAYLAND_DISPLAY" --width=800 --height=600 --idle-time=0 > "$WORK/weston.log" 2>&1 &
WM_PID=$!
wait_for 20 grep -q "xserver listening on display" "$WORK/weston.log" ||
    fail "weston did not start: $(tail -n 20 "$WORK/weston.log")"
DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log")
export DISPLAY

case $mode in
native) export QT_QPA_PLATFORM=wayland ;;
xwayland) export QT_QPA_PLATFORM=xcb ;;
default) unset QT_QPA_PLATFORM ;;
*) fail "unknown mode $mode" ;;
esac

launch_game
wait_for 20 grep -qF "$LOG_REPAINT" "$LOG" || fail "no first paint"
platform=$(sed -n "s/^$LOG_PLATFORM \"\(.*\)\"\$/\1/p" "$LOG")
case $mode in
native)
    [ "$platform" = wayland ] || fail "platform $platform, not wayland"
    # The game fixes its size after the first paint. Nothing tells when
    # weston has answered that for a native window (the game logs nothing
    # of it, and no input from here reaches the window to follow it with),
    # so the window is given a while for anything weston still does to it.
    sleep 3
    ;;
*)
    [ "$platform" = xcb ] || fail "platform $platform, not xcb"
    # The first paint waits for the window to be settled.
    grep -qF "$LOG_SETTLED" "$LOG" || fail "painted before the window was settled"
    grep -qF "$LOG_SETTLED_LATE" "$LOG" && fail "weston never settled the window"
    wait_window_placed
    ;;
esac
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start-up"
[ "$(paint_sizes | sort -u | wc -l)" -eq 1 ] || fail "paint sizes differ: $(paint_sizes | tr '\n' ';')"
read -r vw vh <<< "$(first_paint_size)"
# The compositor's maximized size, less its decoration and the menu bar.
{ [ "$vw" -gt 700 ] && [ "$vh" -gt 450 ]; } || fail "first paint at ${vw}x$vh, not maximized"

kill "$GAME_PID"
wait_game_end 5
echo "wayland ($mode): ok, painted at ${vw}x$vh"
