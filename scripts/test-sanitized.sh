#!/usr/bin/env bash
# Builds the program, the stand-in and the tests with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer into build-san/ (or
# $PELLORIN_SAN_BUILD_DIR), and runs the unit, GUI and end-to-end tests there.
# Benchmarks and fuzzers are left out (the fuzzers have sanitizers of their own:
# scripts/fuzz.sh).
# Any sanitizer report fails the run, also one from a process that a test
# started (the program, the stand-in): every report goes to a file in
# build-san/sanitizer-reports/, which must stay empty.
#
#   bash scripts/test-sanitized.sh                builds, then runs the tests
#   bash scripts/test-sanitized.sh --build-only   builds only
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PELLORIN_SAN_BUILD_DIR:-$here/build-san}"
"$here/scripts/install-deps.sh"
source "$here/scripts/ccache.sh"

if [ ! -f "$build/build.ninja" ]; then
    sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    # -Og and line tables only (-g1): with the sanitizers' instrumentation this
    # builds about a quarter faster than -O1 (and faster than -O0, whose every
    # stack slot gets checked), and the reports still name each frame's line.
    cmake -S "$here" -B "$build" -G Ninja "${launcher[@]}" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-Og -g1 -DNDEBUG" \
        -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
        -DPELLORIN_BUILD_BENCH=OFF -DPELLORIN_BUILD_FUZZ=OFF -DPELLORIN_TESTS_UNOPTIMISED=OFF
fi
cmake --build "$build" --parallel "$(nproc)"
if [ "${1:-}" = --build-only ]; then
    exit 0
fi

reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
# The children of a test inherit these. Leaks of the system's libraries that
# hold no frame of ours are listed in lsan.supp.
export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1:check_initialization_order=1"
export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

status=0
(cd "$build" && ctest --output-on-failure --timeout 300 -j "$(nproc)") || status=$?
if compgen -G "$reports/*" >/dev/null; then
    for report in "$reports"/*; do
        echo "=== $report" >&2
        cat "$report" >&2
    done
    echo "test-sanitized: the sanitizers reported the faults above" >&2
    exit 1
fi
exit "$status"
