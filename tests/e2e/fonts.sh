#!/usr/bin/env bash
# The game's text looks the same on a machine whose font set-up has no
# Liberation (nor any Arial) as on this one: the help line and the prompt,
# drawn with the built-in face, give the same pixels.
source "$(dirname "$0")/lib.sh"
start_x bare

shot_of_game() { # shot_of_game NAME: the screen once the game is up
    start_game
    read -r VIEW_X VIEW_Y <<< "$(view_origin)"
    read -r VIEW_W VIEW_H <<< "$(first_paint_size)"
    SHOT=$(screenshot "$1")
    kill "$GAME_PID"; wait "$GAME_PID" 2>/dev/null || true
}

shot_of_game usual
usual=$SHOT; usual_view="$VIEW_X $VIEW_Y $VIEW_W $VIEW_H"

cat > "$WORK/dejavu-only.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$WORK/fontconfig-cache</cachedir>
</fontconfig>
CONF
export FONTCONFIG_FILE="$WORK/dejavu-only.conf"
[ "$(fc-list | grep -ci liberation)" -eq 0 ] || fail "Liberation is still visible"
shot_of_game dejavu
read -r ux uy uw uh <<< "$usual_view"
[ "$VIEW_W" = "$uw" ] || fail "the view is $VIEW_W wide, not $uw"

# The prompt under the strip, and the help line at the bottom of the view;
# the menu bar's own font may differ, and so the view's height.
for part in "30 40 top" "30 30 bottom"; do
    read -r offset height from <<< "$part"
    if [ "$from" = top ]; then a=$((uy + offset)) b=$((VIEW_Y + offset))
    else a=$((uy + uh - offset)) b=$((VIEW_Y + VIEW_H - offset)); fi
    convert "$usual" -crop "${uw}x$height+$ux+$a" +repage "$WORK/a.png"
    d=$(differing_pixels "$SHOT" "$VIEW_X" "$b" "$WORK/a.png")
    [ "$d" = 0 ] || fail "the text at the $from differs in $d pixels without Liberation"
done
[ "$(count_colour "$SHOT" "$VIEW_X" $((VIEW_Y + VIEW_H - 30)) 800 30 255,80,80)" -gt 50 ] ||
    fail "no help line"
[ -n "${KEEP_SHOTS:-}" ] && cp "$usual" "$KEEP_SHOTS/fonts-usual.png" && cp "$SHOT" "$KEEP_SHOTS/fonts-dejavu.png"
echo "fonts: ok"
