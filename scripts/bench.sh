#!/usr/bin/env bash
# Builds and runs the benchmarks: bus round trips to the stand-in client (bare
# Invoke beside the client link), on a private session bus.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
build="${PELLORIN_BUILD_DIR:-$here/build}"
export QT_QPA_PLATFORM=offscreen
dbus-run-session -- "$build/bench/link_latency" "$@"
