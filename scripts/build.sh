#!/usr/bin/env bash
# Configures and builds into build/ (or $PELLORIN_BUILD_DIR): everything, or only
# the targets given (say `pellorin pellorin-standin`).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PELLORIN_BUILD_DIR:-$here/build}"
source "$here/scripts/ccache.sh"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
if [ $# -gt 0 ]; then
    cmake --build "$build" --parallel "$(nproc)" --target "$@"
else
    cmake --build "$build" --parallel "$(nproc)"
fi
