#!/usr/bin/env bash
# What each start-up measure the game keeps buys: the game built without it
# (bench/startup/without/<measure>.patch applied to a copy of this
# checkout's HEAD) against the game as built in BUILD-DIR, interleaved, with
# no window manager and under openbox. See docs/performance.md.
# Usage: without.sh BUILD-DIR [RUNS] [MEASURE...]    (every measure by default)
set -euo pipefail
build=$(realpath "${1:?build folder}")
runs=${2:-21}
shift $(($# < 2 ? $# : 2))
here=$(cd "$(dirname "$0")" && pwd)
top=$(git -C "$here" rev-parse --show-toplevel)
measures=("$@")
if [ ${#measures[@]} -eq 0 ]; then
    for patch in "$here"/without/*.patch; do measures+=("$(basename "$patch" .patch)"); done
fi

variants=$(mktemp -d)
git -C "$top" worktree add --detach "$variants/src" HEAD > /dev/null
trap 'git -C "$top" worktree remove --force "$variants/src"; rm -rf "$variants"' EXIT
cmake -S "$variants/src" -B "$variants/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    > /dev/null
programs=("as it is=$build/app/orlix")
for measure in "${measures[@]}"; do
    git -C "$variants/src" checkout -q -- .
    git -C "$variants/src" apply "$here/without/$measure.patch"
    echo "building the game without $measure" >&2
    cmake --build "$variants/build" --target orlix -j "$(nproc)" > /dev/null
    cp "$variants/build/app/orlix" "$variants/orlix-without-$measure"
    programs+=("without $measure=$variants/orlix-without-$measure")
done
"$here/compare.sh" "$build/bench/orlix-startup-probe" "$runs" "none openbox" "${programs[@]}"
