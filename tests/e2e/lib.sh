# Shared steps of the end-to-end tests: a virtual X server (optionally with
# openbox), the real game started on it, and ways to look at the screen.
# Needs: ORLIX (the executable) and ASSETS (the generated artwork folder).
set -euo pipefail

WORK=$(mktemp -d)
XVFB_PID=""
WM_PID=""
GAME_PID=""
LOG="$WORK/game.log"

cleanup() {
    # KEEP_SHOTS=DIR keeps the screenshots for a look afterwards.
    [ -z "${KEEP_SHOTS:-}" ] || cp "$WORK"/*.png "$KEEP_SHOTS"/ 2>/dev/null || true
    for pid in $GAME_PID $WM_PID $XVFB_PID; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$LOG" ] && sed 's/^/  log: /' "$LOG" >&2
    exit 1
}

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

start_x() { # start_x bare|openbox
    # -noreset: otherwise the server resets whenever its last client leaves,
    # and a client connecting just then is refused.
    exec 3> "$WORK/display"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    wait_for 10 test -s "$WORK/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    wait_for 10 xprop -root || fail "Xvfb on $DISPLAY does not answer"
    if [ "$1" = openbox ]; then
        openbox --sm-disable > "$WORK/openbox.log" 2>&1 &
        WM_PID=$!
        # The last root property openbox sets at start-up: before it, a new
        # window may never be managed (nor mapped).
        wait_for 30 sh -c 'xprop -root _NET_SHOWING_DESKTOP | grep -q "= "' ||
            fail "openbox did not start: $(cat "$WORK/openbox.log")"
    fi
}

start_game() {
    export XDG_CONFIG_HOME="$WORK/config"
    if [ -z "${KEEP_RUNTIME:-}" ]; then # a sound test keeps its audio server's
        export XDG_RUNTIME_DIR="$WORK/runtime"
        mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    fi
    QT_LOGGING_RULES="orlix.*.debug=true" QT_MESSAGE_PATTERN="%{category}: %{message}" \
        "$ORLIX" > "$LOG" 2>&1 &
    GAME_PID=$!
    wait_for 15 grep -q "orlix.paint: OnDraw" "$LOG" || fail "no first paint"
    wait_for 10 xdotool search --onlyvisible --name "O.R.L.I.X" || fail "no window"
    WINDOW=$(xdotool search --onlyvisible --name "O.R.L.I.X" | head -n 1)
    sleep 0.5 # let the window manager settle before looking
}

# The client size the first paint fixed the layout for: "W H".
first_paint_size() {
    grep -m 1 "orlix.paint: OnDraw" "$LOG" | sed -E 's/.*QSize\(([0-9]+), ([0-9]+)\).*/\1 \2/'
}

paint_sizes() { grep "orlix.paint: OnDraw" "$LOG" | sed -E 's/.*QSize\(([0-9]+), ([0-9]+)\).*/\1 \2/'; }

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

screenshot() { import -window root "$WORK/$1.png"; echo "$WORK/$1.png"; }

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
