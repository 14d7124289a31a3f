"""What a screen reader finds in the game, read over AT-SPI while the game is
driven by keyboard alone (and one click to choose an outline): every dialog
and menu opens and closes by key, each control of each dialog has a name,
a default button has the focus, Tab keeps it inside the dialog, and the main
window is active again after each close; the board's name and description
follow a game from the prompt to the score and back.

Usage: access.py GAME-PID. Run with Debian's /usr/bin/python3 (pyatspi)."""

import glob
import os
import re
import subprocess
import sys
import time

import pyatspi

PROMPT = "Select an outline by left clicking on one of the images above."
# Objects that are controls a player meets, not containers.
CONTROLS = {
    "push button", "check box", "radio button", "combo box", "text", "spin button",
    "page tab", "label", "image", "icon", "list item", "menu item",
}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, predicate, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            result = predicate()
        except Exception:  # objects come and go while windows open and close
            result = None
        if result:
            return result
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def has(obj, state):
    return obj.getState().contains(state)


def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def game(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def frame(app):
    return next(c for c in app if c.getRoleName() == "frame")


def board(app):
    return next(c for c in frame(app) if c.getRoleName() == "filler")


def dialog(app):
    """The dialog that is open and active, if any."""
    for child in app:
        if child.getRoleName() in ("dialog", "alert") and has(child, pyatspi.STATE_ACTIVE):
            return child
    return None


def focused(top):
    return next((o for o in walk(top) if has(o, pyatspi.STATE_FOCUSED) and
                 has(o, pyatspi.STATE_FOCUSABLE)), None)


def check_dialog(app, what, tab):
    box = wait_for(what + " open and active", lambda: dialog(app))
    unnamed = [o.getRoleName() for o in walk(box)
               if o.getRoleName() in CONTROLS and not o.name.strip()]
    if unnamed:
        fail("%s: controls without a name: %s" % (what, ", ".join(unnamed)))
    wait_for(what + ": its default button focused", lambda: any(
        o.getRoleName() == "push button" and has(o, pyatspi.STATE_IS_DEFAULT) and
        has(o, pyatspi.STATE_FOCUSED) for o in walk(box)))
    stops = sum(1 for o in walk(box) if has(o, pyatspi.STATE_FOCUSABLE)) if tab else -1
    for _ in range(min(stops, 12) + 1):
        keys("Tab")
        wait_for(what + ": the focus inside after Tab", lambda: focused(box) and
                 dialog(app) == box and not has(board(app), pyatspi.STATE_FOCUSED))
    return box


def closed(app, what):
    wait_for(what + " closed", lambda: dialog(app) is None)
    wait_for("the main window active after " + what,
             lambda: has(frame(app), pyatspi.STATE_ACTIVE))


# What opens by which keys.
DIALOGS = [
    ("F1, the instructions", ["F1"]),
    ("F2, the scores", ["F2"]),
    ("About, from the Help menu by its letter", ["alt+h", "a"]),
    ("About, from the Help menu by Enter", ["alt+h", "Return"]),
    ("the print dialog, by Ctrl+P", ["ctrl+p"]),
    ("the print dialog, from the File menu", ["alt+f", "p"]),
]


def check_dialogs(app):
    for what, opening in DIALOGS:
        for closing in ("Escape", "Return"):
            keys(*opening)
            # Enter right away, as a player would; Tab is tried before Escape.
            check_dialog(app, what, closing == "Escape")
            keys(closing)
            closed(app, "%s, by %s" % (what, closing))
            # A page printed to a file that exists would first ask to replace it.
            for printed in glob.glob(os.path.join(os.environ["HOME"], "*.pdf")):
                os.remove(printed)
            print("ok: %s, closed by %s" % (what, closing))
    for menu in ("alt+f", "alt+h"):
        keys(menu)
        wait_for(menu + " open", lambda: any(
            o.getRoleName() == "popup menu" and has(o, pyatspi.STATE_SHOWING)
            for o in walk(frame(app))))
        keys("Escape", "Escape")
        wait_for(menu + " closed", lambda: not any(
            o.getRoleName() == "popup menu" and has(o, pyatspi.STATE_SHOWING)
            for o in walk(frame(app))))
        wait_for("the board focused after " + menu,
                 lambda: has(board(app), pyatspi.STATE_FOCUSED))
        print("ok: %s opened and closed by Escape" % menu)


def check_game(app):
    b = board(app)
    wait_for("the prompt", lambda: b.name == PROMPT and b.description == "")
    x, y, _, _ = b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + 20), str(y + 20), "click", "1"], check=True)
    wait_for("the Triangle chosen", lambda: b.name == "Triangle")
    pattern = re.compile(r"Hit Count: (\d+), Move Count: (\d+), Moves Left: (\d+)$")
    for moves in range(1, 4):
        keys("Up")
        wait_for("move %d told" % moves, lambda: (m := pattern.match(b.description)) and
                 int(m.group(2)) == moves + 1 and int(m.group(3)) == 495 - moves)
        print("ok: after move %d: %s: %s" % (moves, b.name, b.description))
    left = 495 - 3
    while left > 0:
        batch = min(left, 50)
        subprocess.run(["xdotool", "key", "--delay", "4"] + ["Right"] * batch, check=True)
        left -= batch
    result = wait_for("the result", lambda: re.match(
        r"Misses: (\d+), Hits: (\d+), Score: (\d+)\. To play again, press the End Key\.$",
        b.description))
    misses, hits = int(result.group(1)), int(result.group(2))
    if misses + hits != 496 or b.name != "Triangle":
        fail("the result does not add up: %s: %s" % (b.name, b.description))
    print("ok: finished: %s: %s" % (b.name, b.description))
    keys("End")
    wait_for("the prompt after End", lambda: b.name == PROMPT and b.description == "")
    print("ok: after End: %s" % b.name)


def main():
    pid = int(sys.argv[1])
    app = wait_for("the game on the accessibility bus", lambda: game(pid), timeout=20)
    wait_for("the board focused", lambda: has(board(app), pyatspi.STATE_FOCUSED))
    check_dialogs(app)
    check_game(app)
    print("access: ok")


main()
