#!/usr/bin/env bash
# The Debian package: built by CPack, Debian's checker (lintian) finds no
# error or warning in it, its control file names the run-time packages
# (read from the binary by dpkg-shlibdeps), it holds exactly the files an
# install below /usr gives, its menu entry, metainfo and manual page pass
# their validators, and unpacked into a throw-away root the program starts,
# paints and opens its print dialog. Needs BUILD_DIR.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/modal.sh"
cpack -G DEB --config "${BUILD_DIR:?}/CPackConfig.cmake" -B "$WORK/pkg" > "$WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$WORK/cpack.log")"
deb=$(ls "$WORK"/pkg/orlix_*.deb)
lintian --fail-on error,warning "$deb" > "$WORK/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$WORK/lintian.log")"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = orlix ] || fail "package name $(field Package)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture $(field Architecture)"
depends=$(field Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libpulse0 qt6-qpa-plugins libc6; do
    grep -Eq "(^|, )$needed( |,|$)" <<< "$depends" || fail "Depends lacks $needed"
done
grep -q "pulseaudio | pipewire-pulse" <<< "$(field Recommends)" || fail "no sound server recommended"
grep -q "qt6-translations-l10n" <<< "$(field Recommends)" || fail "Qt's translations not recommended"

dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v '/$' | sort > "$WORK/files"
DESTDIR="$WORK/usr-install" cmake --install "$BUILD_DIR" --prefix /usr > /dev/null
(cd "$WORK/usr-install" && find . -type f | sort) > "$WORK/installed"
diff "$WORK/installed" "$WORK/files" || fail "the package's files differ from an install"

root="$WORK/root"
dpkg-deb -x "$deb" "$root"
# Hardened as Debian's own packages are. Control-flow marks are not asked
# for: Debian 12's C start-up files have none, so no program linked here
# can carry them, whatever it is compiled with.
hardening-check --nocfprotection "$root/usr/games/orlix" > "$WORK/hardening.log" 2>&1 ||
    fail "hardening-check: $(cat "$WORK/hardening.log")"
for feature in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
    "Read-only relocations" "Immediate binding"; do
    grep -q "^ $feature: yes" "$WORK/hardening.log" ||
        fail "hardening-check: $(cat "$WORK/hardening.log")"
done
entry="$root/usr/share/applications/org.example.Orlix.desktop"
desktop-file-validate "$entry" || fail "packaged desktop entry invalid"
# Debian's place for games, which the menu names in full.
grep -qx "Exec=/usr/games/orlix" "$entry" || fail "the entry starts $(grep ^Exec= "$entry")"
# Nothing but three notes, all on purpose: the id keeps its capital
# (org.example.Orlix, as the desktop entry and icon are named), the game's
# name ends in a dot, and it requires a pointing device, as choosing an
# outline takes a click.
metainfo="$root/usr/share/metainfo/org.example.Orlix.metainfo.xml"
appstreamcli validate --pedantic --no-net "$metainfo" > "$WORK/appstream.log" 2>&1 ||
    fail "metainfo invalid: $(cat "$WORK/appstream.log")"
if grep -E '^[EWIP]: ' "$WORK/appstream.log" |
    grep -Ev ': (cid-contains-uppercase-letter|name-has-dot-suffix|relation-control-in-requires)( |$)'; then
    fail "appstreamcli has more to say: $(cat "$WORK/appstream.log")"
fi
[ "$("$root/usr/games/orlix" --version)" = "O.R.L.I.X. $(field Version)" ] ||
    fail "the packaged program says $("$root/usr/games/orlix" --version)"

# The manual page renders without a warning and lists the options that
# --help lists, no more and no fewer.
MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/orlix.6.gz" > "$WORK/man.txt" \
    2> "$WORK/man.warnings" || fail "man failed: $(cat "$WORK/man.warnings")"
[ ! -s "$WORK/man.warnings" ] || fail "the manual page: $(cat "$WORK/man.warnings")"
"$root/usr/games/orlix" --help | sed -n '/^Options:/,/^$/p' |
    sed -En 's/^  (-.*[^ ]) {2,}.*/\1/p' | tr -d '<>' > "$WORK/help-options"
sed -n '/^OPTIONS$/,/^[A-Z]/p' "$WORK/man.txt" | sed -n 's/^ \{7\}\(-.*\)/\1/p' > "$WORK/man-options"
[ -s "$WORK/help-options" ] || fail "no options in --help"
diff "$WORK/help-options" "$WORK/man-options" || fail "the manual page's options differ from --help"

start_x bare
ORLIX="$root/usr/games/orlix"
export HOME="$WORK" CUPS_SERVER="$WORK/no-cups.sock"
start_game
kill -0 "$GAME_PID" || fail "the packaged game ended"
press ctrl+p
wait_modal "Print"
xdotool key Escape
wait_modal_gone "Print"
echo "package: ok ($(basename "$deb"))"
