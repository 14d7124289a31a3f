#!/usr/bin/env bash
# `cmake --install` puts the program, its menu entry, its metainfo and its
# icons where the desktop looks for them, and both files pass their
# validators. A prefix other than /usr keeps the program in bin, and the
# entry names it by its full path, quoted here for the space. Needs BUILD_DIR.
source "$(dirname "$0")/lib.sh"
prefix="$WORK/a prefix"
cmake --install "${BUILD_DIR:?}" --prefix "$prefix" > "$WORK/install.log" ||
    fail "install failed: $(cat "$WORK/install.log")"
id=org.example.Orlix
expected=(bin/orlix "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml" share/doc/orlix/copyright share/doc/orlix/changelog.gz
    share/man/man6/orlix.6.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
    [ "$(identify -format %wx%h "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")" = \
        "${size}x$size" ] || fail "the $size px icon has the wrong size"
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
    fail "installed files differ from the list above"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo invalid"
grep -q "^Icon=$id$" "$prefix/share/applications/$id.desktop" || fail "the entry names another icon"
grep -qFx "Exec=\"$prefix/bin/orlix\"" "$prefix/share/applications/$id.desktop" ||
    fail "the entry starts $(grep ^Exec= "$prefix/share/applications/$id.desktop")"
grep -q "^Categories=Game;" "$prefix/share/applications/$id.desktop" || fail "not in the Game menu"
grep -q "<screenshot type=\"default\">" "$prefix/share/metainfo/$id.metainfo.xml" || fail "no screenshot"
"$prefix/bin/orlix" --version | grep -q "^O.R.L.I.X. " || fail "the installed program does not run"
echo "install: ok"
