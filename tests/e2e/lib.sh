# shellcheck shell=bash
# Shared steps of the end-to-end tests: a virtual X server (optionally with
# a window manager), the real game started on it, and ways to look at the screen.
# Needs: ORLIX (the executable) and ASSETS (the generated artwork folder).
set -Eeuo pipefail # -E: the ERR trap below also reports failures inside functions

# As on a desktop, everything runs on a session bus. Without one, each
# program started launches a bus of its own (dbus-launch) and leaves it
# behind; under AddressSanitizer that launch can also hang the game, as the
# child forked for it may wait for a lock another thread held at the fork.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- bash "$0" "$@"
fi

# The game in English whatever language the machine's user has chosen; a
# test that wants another sets it for the game it starts.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

WORK=$(mktemp -d)
XVFB_PID=""
WM_PID=""
GAME_PID=""
LOG="$WORK/game.log"

cleanup() {
    # KEEP_SHOTS=DIR keeps the screenshots for a look afterwards.
    [ -z "${KEEP_SHOTS:-}" ] || cp "$WORK"/*.png "$KEEP_SHOTS"/ 2>/dev/null || true
    # A window manager's own children (the bus and the manager under
    # dbus-run-session, weston's clients and its X server) end with it.
    local children=""
    [ -n "$WM_PID" ] && children=$(pgrep -P "$WM_PID" || true)
    for pid in $GAME_PID $children $WM_PID $XVFB_PID; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
# A step that fails outside a check says which it was.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2; [ -f "$LOG" ] && sed "s/^/  log: /" "$LOG" >&2' ERR

fail() {
    echo "FAIL: $*" >&2
    [ -f "$LOG" ] && sed 's/^/  log: /' "$LOG" >&2
    exit 1
}

# The game's log lines that the tests follow, as the program words them:
# LOG_REPAINT, LOG_KEY and the others that `orlix-testtool log-lines` names.
log_lines=$("${TESTTOOL:?the test tool}" log-lines) || fail "$TESTTOOL log-lines failed"
eval "$log_lines"

# wait_for SECONDS COMMAND...: retries the command until it succeeds.
wait_for() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
}

# How many lines of the game's log hold these words.
log_count() { grep -cF -- "$1" "$LOG" || true; }

# count_is OP N COMMAND...: whether the number the command prints is OP N
# (OP as test's: -eq, -ge, -gt). For wait_for, which runs it anew each
# time: `wait_for 5 test "$(...)" -ge N` would count once and wait for nothing.
count_is() {
    local n
    n=$("${@:3}") && test "$n" "$1" "$2"
}

# A test that cannot run here (a window manager not installed, or one that
# cannot run on a virtual X server) ends with this status, which CTest counts
# as skipped, never as passed.
SKIP=77
skip() {
    echo "SKIPPED: $*"
    exit $SKIP
}

# The window managers the tests run under, and how each is started. xfwm4
# and the desktop ones need a D-Bus session of their own.
wm_command() {
    case $1 in
    openbox) echo "openbox --sm-disable" ;;
    icewm) echo "icewm" ;;
    xfwm4) echo "dbus-run-session -- xfwm4" ;;
    metacity) echo "metacity" ;;
    mutter) echo "dbus-run-session -- mutter --x11 --replace --sm-disable" ;;
    kwin) echo "dbus-run-session -- kwin_x11" ;;
    *) return 1 ;;
    esac
}

start_x() { # start_x bare|openbox|icewm|xfwm4|metacity|mutter|kwin
    local cmd=""
    if [ "$1" != bare ]; then
        cmd=$(wm_command "$1") || fail "unknown window manager $1"
        local exe=${cmd##*-- }
        command -v "${exe%% *}" >/dev/null || skip "$1 is not installed"
    fi
    # -noreset: otherwise the server resets whenever its last client leaves,
    # and a client connecting just then is refused.
    exec 3> "$WORK/display"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    wait_for 10 test -s "$WORK/display" || fail "Xvfb did not start"
    DISPLAY=":$(head -n 1 "$WORK/display")"
    export DISPLAY
    wait_for 10 xprop -root || fail "Xvfb on $DISPLAY does not answer"
    if [ -n "$cmd" ]; then start_wm "$1" "$cmd"; fi
}

# The window manager is ready once it frames a new window: a probe window
# gets its _NET_FRAME_EXTENTS. The probe is made once the manager has
# claimed the screen, and made again should one go unframed. A manager that
# dies before framing one cannot run here (skipped); one that stays but
# never frames has failed.
start_wm() { # start_wm NAME COMMAND
    # shellcheck disable=SC2086
    $2 > "$WORK/wm.log" 2>&1 &
    WM_PID=$!
    local end=$((SECONDS + 40)) probe="" probe_end=0
    until [ -n "$probe" ] && xprop -name orlix-probe _NET_FRAME_EXTENTS 2>/dev/null | grep -q "= "; do
        if ! kill -0 "$WM_PID" 2>/dev/null; then
            [ -n "$probe" ] && kill "$probe" 2>/dev/null
            skip "$1 cannot run here: $(tail -n 5 "$WORK/wm.log" | tr '\n' ' ')"
        fi
        [ $SECONDS -lt $end ] || fail "$1 did not start: $(tail -n 20 "$WORK/wm.log")"
        if [ $SECONDS -ge $probe_end ] && xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "#"; then
            [ -n "$probe" ] && { kill "$probe" 2>/dev/null; wait "$probe" 2>/dev/null || true; }
            xmessage -name orlix-probe -geometry +100+100 probe > /dev/null 2>&1 &
            probe=$!
            probe_end=$((SECONDS + 5))
        fi
        sleep 0.1
    done
    kill "$probe" 2>/dev/null || true
    wait "$probe" 2>/dev/null || true
    wait_for 10 sh -c '! xprop -name orlix-probe >/dev/null 2>&1' || true
}

# The game's own window, not a window manager's that shows its title. A
# window that goes while xdotool looks makes it fail: then it looks again.
find_game_window() {
    xdotool search --all --onlyvisible --pid "$GAME_PID" --name "O.R.L.I.X" 2>/dev/null |
        head -n 1 > "$WORK/window" || true
    [ -s "$WORK/window" ]
}

# The game started in the background, its log lines on.
launch_game() {
    export XDG_CONFIG_HOME="$WORK/config"
    if [ -z "${KEEP_RUNTIME:-}" ]; then # a sound test keeps its audio server's
        export XDG_RUNTIME_DIR="$WORK/runtime"
        mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    fi
    QT_LOGGING_RULES="orlix.*.debug=true" QT_MESSAGE_PATTERN="%{category}: %{message}" \
        "$ORLIX" > "$LOG" 2>&1 &
    GAME_PID=$!
}

# The size of the game's window is fixed once its layout is: its size hints
# then give the same minimum and maximum.
size_fixed() {
    local hints min max
    hints=$(xprop -id "$WINDOW" WM_NORMAL_HINTS) || return 1
    min=$(sed -n 's/.* minimum size: //p' <<< "$hints")
    max=$(sed -n 's/.* maximum size: //p' <<< "$hints")
    [ -n "$min" ] && [ "$min" = "$max" ]
}

# Sets WINDOW and waits until the window is where it stays. The game fixes
# its size after the first paint, and the window manager answers that in
# its own time without telling when it has: the window is at rest once its
# place and size are the same at three looks in a row.
wait_window_placed() {
    wait_for 10 find_game_window || fail "no window"
    WINDOW=$(cat "$WORK/window")
    wait_for 10 size_fixed ||
        fail "the window's size was never fixed: $(xprop -id "$WINDOW" WM_NORMAL_HINTS)"
    local seen="" now="" same=0 end=$((SECONDS + 10))
    while [ $same -lt 2 ]; do
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start-up"
        [ $SECONDS -lt $end ] || fail "the window does not come to rest: $seen, $now"
        sleep 0.1
        now=$(window_geometry)
        if [ "$now" = "$seen" ]; then same=$((same + 1)); else seen=$now same=0; fi
    done
}

# The game on the display, ready for a player: the window manager has
# settled its window (a time limit that ran out says so in a warning), the
# first paint is done, and the window is where it stays.
start_game() {
    launch_game
    wait_for 15 grep -qF "$LOG_SETTLED" "$LOG" || fail "the window was never settled"
    wait_for 10 grep -qF "$LOG_REPAINT" "$LOG" || fail "no first paint"
    wait_window_placed
}

# The client size the first paint fixed the layout for: "W H".
first_paint_size() {
    grep -m 1 -F "$LOG_REPAINT" "$LOG" | sed -E 's/.*QSize\(([0-9]+), ([0-9]+)\).*/\1 \2/'
}

paint_sizes() { grep -F "$LOG_REPAINT" "$LOG" | sed -E 's/.*QSize\(([0-9]+), ([0-9]+)\).*/\1 \2/'; }

# The game window's own area on the screen: "X Y W H".
window_geometry() {
    echo "$(window_field "Absolute upper-left X") $(window_field "Absolute upper-left Y")" \
        "$(window_field "Width") $(window_field "Height")"
}

# The window manager's frame around the game window: "L R T B" (0 0 0 0 without one).
frame_extents() {
    local extents
    extents=$(xprop -id "$WINDOW" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    echo "${extents:-0 0 0 0}"
}

# The work area the window manager publishes, else the whole screen: "X Y W H".
work_area() {
    local area
    area=$(xprop -root _NET_WORKAREA | sed -n 's/.*= //p' | cut -d, -f1-4 | tr -d ,)
    echo "${area:-0 0 800 600}"
}

# What a player might try to move or resize the window with: the title
# bar, double-clicking it, Alt with either mouse button, and the keyboard
# move and resize of metacity and xfwm4 (Alt+F7, Alt+F8, then arrows, and a
# click to end it: where the window manager refuses, the Alt of those keys
# opens the game's menu bar, and a click closes it where Return would
# choose a menu entry). What counts is that nothing moved, which no event
# tells: the pauses let the window manager act on each gesture before the
# next (and tell the drag from the double click), and the last one gives a
# move time to show, and the game time to move the window back.
try_to_move_and_resize() { # try_to_move_and_resize TITLE_BAR_BOTTOM
    local title=$(($1 / 2))
    xdotool mousemove 400 "$title" mousedown 1 mousemove 300 150 mousemove 200 300 mouseup 1
    sleep 0.3
    xdotool mousemove 400 "$title" click --repeat 2 --delay 80 1
    sleep 0.3
    xdotool mousemove 400 300 keydown alt mousedown 1 mousemove 300 150 mousemove 200 300 \
        mouseup 1 keyup alt
    sleep 0.3
    xdotool mousemove 700 500 keydown alt mousedown 3 mousemove 600 400 mousemove 500 300 \
        mouseup 3 keyup alt
    sleep 0.3
    for key in alt+F7 alt+F8; do
        press "$key"
        sleep 0.2
        xdotool key --delay 60 Left Left Up Up
        xdotool mousemove 700 450 click 1
        sleep 0.3
    done
    sleep 0.5
}

window_field() { # window_field "Absolute upper-left X" etc., of the game's window
    xwininfo -id "$WINDOW" | sed -n "s/^ *$1: *//p"
}

# The screen position of the view's top-left pixel: below the menu bar.
view_origin() {
    local wx wy wh vh
    wx=$(window_field "Absolute upper-left X")
    wy=$(window_field "Absolute upper-left Y")
    wh=$(window_field "Height")
    read -r _ vh <<< "$(first_paint_size)"
    echo "$wx $((wy + wh - vh))"
}

# Keys as the player types them, to the focused game window.
press() {
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
    xdotool key --delay 60 "$@"
}

# Waits until the game has handled all the input sent to it before, and
# finished what that input began (a brr it waits for, a dialog's work): a
# lone Ctrl, which the game takes in every phase and does nothing with,
# reaches its key log only after that. Not while a box or menu is open.
ctrl_presses() { grep -cFx "$LOG_KEY 17" "$LOG" || true; }
game_caught_up() {
    local before
    before=$(ctrl_presses)
    press ctrl
    wait_for 30 count_is -gt "$before" ctrl_presses || fail "the game did not take a Ctrl press"
}

screenshot() { import -window root "$WORK/$1.png"; echo "$WORK/$1.png"; }

# The game's window as the game drew it, placed where it stands on a
# screen-sized picture. Read from the window itself: a compositing window
# manager on a virtual display can put a frame on the screen seconds late.
game_screenshot() {
    local wx wy size
    wx=$(window_field "Absolute upper-left X")
    wy=$(window_field "Absolute upper-left Y")
    size=$(xwininfo -root | sed -n 's/^ *-geometry \([0-9]*x[0-9]*\).*/\1/p')
    import -window "$WINDOW" "$WORK/$1-window.png"
    convert -size "$size" xc:white "$WORK/$1-window.png" -geometry "+$wx+$wy" -composite \
        "$WORK/$1.png"
    echo "$WORK/$1.png"
}

pixel() { # pixel FILE X Y -> "r,g,b"
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# How many pixels of a box have exactly this colour: count_colour FILE X Y W H r,g,b
count_colour() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -fill black +opaque "rgb($6)" -fill white -opaque "rgb($6)" \
        -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Pixels that differ between a box of the screenshot and a picture of the same size.
differing_pixels() { # differing_pixels FILE X Y PICTURE
    local size
    size=$(identify -format "%wx%h" "$4")
    convert "$1" -crop "$size+$2+$3" +repage "$WORK/crop.png"
    compare -metric AE "$WORK/crop.png" "$4" null: 2>&1 || true
}

# Waits for the game to end and sets GAME_STATUS to its exit status
# ("still-running" if it did not end). Not in a subshell: only this shell can
# wait for its child.
# shellcheck disable=SC2034 # GAME_STATUS is read by the tests that source this
wait_game_end() {
    local end=$((SECONDS + ${1:-10}))
    GAME_STATUS="still-running"
    while kill -0 "$GAME_PID" 2>/dev/null; do
        [ $SECONDS -lt $end ] || return 0
        sleep 0.1
    done
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
    GAME_PID=""
}
