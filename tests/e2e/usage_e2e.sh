#!/usr/bin/env bash
# The real program's command line where there is no display: --help and usage
# errors are answered before anything needs one, and Qt's own options are left
# to Qt. Each row: expected exit status, text expected in the output, arguments.
#
# Usage: usage_e2e.sh PROGRAM
set -uo pipefail

program="${1:?usage: usage_e2e.sh PROGRAM}"
usage='usage: pellorin \[--client desktop-api\|baresip\|jami\]'
failed=0

check() {
    local status="$1" expected="$2"
    shift 2
    local output got
    output="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1)"
    got=$?
    if [ "$got" -ne "$status" ] || ! grep -Eq "$expected" <<<"$output"; then
        echo "usage_e2e: FAILED: pellorin $* gave status $got (wanted $status) and:" >&2
        echo "$output" >&2
        failed=1
    fi
}

check 0 "^$usage" --help
check 2 "unknown client \"foo\"" --client foo
check 2 "$usage" --client foo
check 2 "unknown option \"--verbose\"" -platform offscreen --verbose
check 2 "unknown client \"foo\"" -platform offscreen -reverse --style=fusion --client foo
check 0 "^$usage" --platform offscreen --help
check 2 "unknown option \"-platform=offscreen\"" -platform=offscreen
exit "$failed"
