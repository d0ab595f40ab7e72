#!/usr/bin/env bash
# Builds the Debian package of Pellorin from this tree into build/package/
# (or $PELLORIN_BUILD_DIR/package/) and prints its path.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PELLORIN_BUILD_DIR:-$here/build}"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" pellorin pellorin-standin
rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" > "$build/package.log") ||
    { cat "$build/package.log" >&2; exit 1; }
ls "$build"/package/pellorin_*.deb
