#!/usr/bin/env bash
# A packager's build, trimmed with BUILD_TESTING=OFF, on a machine where
# Google Benchmark, Qt Test and the XTest and DAMAGE modules cannot be found:
# it configures, builds, installs and runs, makes no test, and no compile or
# link read those packages' headers or libraries (they are installed here,
# so the compiler could find them by their paths alone). Needs SOURCE_DIR.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# pkg-config sees every module but the two the benchmarks need.
mkdir "$work/pkgconfig"
IFS=: read -ra pc_dirs <<< "$(pkg-config --variable pc_path pkg-config)"
for dir in "${pc_dirs[@]}"; do
    for pc in "$dir"/*.pc; do
        name=$(basename "$pc")
        case $name in xcb-xtest.pc | xcb-damage.pc) continue ;; esac
        [ -e "$pc" ] && [ ! -e "$work/pkgconfig/$name" ] && ln -s "$pc" "$work/pkgconfig/$name"
    done
done
export PKG_CONFIG_LIBDIR="$work/pkgconfig" PKG_CONFIG_PATH=""

build="$work/build"
cmake -S "${SOURCE_DIR:?}" -B "$build" -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON > "$work/configure.log" 2>&1 ||
    fail "configure: $(cat "$work/configure.log")"
cmake --build "$build" -j "$(nproc)" > "$work/build.log" 2>&1 || fail "build: $(tail -n 40 "$work/build.log")"
DESTDIR="$work/root" cmake --install "$build" --prefix /usr > "$work/install.log" 2>&1 ||
    fail "install: $(cat "$work/install.log")"
"$work/root/usr/games/orlix" --version | grep -q "^O.R.L.I.X. " || fail "the installed game does not run"

ctest --test-dir "$build" -N | grep -q "^Total Tests: 0$" || fail "tests were made: $(ctest --test-dir "$build" -N)"
# The compiler's own lists of the headers each object read.
if grep -rlE '/(benchmark|QtTest)/|/xcb/(xtest|damage)\.h' --include='*.d' "$build"; then
    fail "the objects above read a header of a package the trimmed build must not need"
fi
find "$build" -type f -perm -u+x -exec sh -c 'readelf -d "$1" 2>/dev/null | grep -q "(NEEDED)"' _ {} \; \
    -print > "$work/programs"
[ -s "$work/programs" ] || fail "no programs found in the build"
while read -r program; do
    if readelf -d "$program" | grep -E 'NEEDED.*(libbenchmark|libQt6Test|libxcb-xtest|libxcb-damage)'; then
        fail "$program links a library the trimmed build must not need"
    fi
done < "$work/programs"
echo "trimmed build: ok ($(wc -l < "$work/programs") programs)"
