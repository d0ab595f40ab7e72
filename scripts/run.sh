#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
build="${PELLORIN_BUILD_DIR:-$here/build}"
exec "$build/src/pellorin" "$@"
