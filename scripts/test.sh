#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
build="${PELLORIN_BUILD_DIR:-$here/build}"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"

# The Debian package, built from this tree and unpacked into a temporary root:
# the installed program attaches to the installed stand-in and answers a call.
package=$("$here/scripts/package.sh" | tail -n 1)
"$here/tests/package/test_installed.sh" "$package"
