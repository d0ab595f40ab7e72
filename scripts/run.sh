#!/usr/bin/env bash
# Installs what is missing, builds, and starts the stand-in calling client (with
# its demo contacts) and then the program. The stand-in stops when the program
# ends. Without a session bus it starts a private one; without a display it says
# so and runs on a virtual one.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PELLORIN_BUILD_DIR:-$here/build}"

if [ -z "${PELLORIN_RUN_PREPARED:-}" ]; then
    "$here/scripts/install-deps.sh"
    # Only the two programs it starts; the test command builds the rest.
    "$here/scripts/build.sh" pellorin pellorin-standin
    export PELLORIN_RUN_PREPARED=1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "run.sh: running on a virtual display instead: the windows will not be visible." >&2
    exec xvfb-run -a bash "$0" "$@"
fi

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    echo "run.sh: no session bus; starting a private one for the stand-in and the program." >&2
    exec dbus-run-session -- bash "$0" "$@"
fi

"$build/tools/standin/pellorin-standin" &
standin=$!
trap 'kill "$standin" 2>/dev/null || true' EXIT
"$build/src/pellorin" "$@"
