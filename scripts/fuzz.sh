#!/usr/bin/env bash
# Builds the parser fuzzers (libFuzzer, with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ (or $PELLORIN_FUZZ_BUILD_DIR) and
# runs each for SECONDS (20 by default) from its seeds. New inputs are kept in
# the tree's corpus folders, so a later run goes on from there.
#
#   bash scripts/fuzz.sh [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PELLORIN_FUZZ_BUILD_DIR:-$here/build-fuzz}"
seconds="${1:-20}"
"$here/scripts/install-deps.sh"
# Only the fuzzers are built here; the rest of the tree is configured, not built.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELLORIN_BUILD_FUZZ=ON -DPELLORIN_BUILD_BENCH=OFF -DPELLORIN_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build "$build" --target api_protocol_fuzz ctrl_protocol_fuzz
cd "$build"
ctest --output-on-failure -R '^fuzz_' -j "$(nproc)"
