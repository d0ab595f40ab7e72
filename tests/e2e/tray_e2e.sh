#!/usr/bin/env bash
# End-to-end check of "Minimize to Tray" on a real X11 desktop: a virtual screen
# (Xvfb), a real notification area (trayer, the freedesktop system tray), the
# stand-in client and the real program, driven with xdotool as a person would:
#
#   close the notice at start, File > Attach to Skype, close the "attached"
#   notice, View > Minimize to Tray: the window goes and the icon is in trayer;
#   ring from a listed handle: the stand-in sees the call answered; click the
#   icon with the left button: the window is back and the icon gone; File > Exit:
#   minimise to the tray again and start the program a second time: that start
#   ends with status 0 and the first one's window is back; File > Exit: the
#   program ends with status 0.
#
# Usage: tray_e2e.sh BUILD_DIR
# Needs xvfb-run, dbus-run-session, trayer, xdotool, xwininfo and dbus-send. The
# program runs from a copy in a temporary directory, which holds its list files.
set -euo pipefail

build="$(cd "${1:?usage: tray_e2e.sh BUILD_DIR}" && pwd)"
program="$build/src/pellorin"
standin="$build/tools/standin/pellorin-standin"

for tool in xvfb-run dbus-run-session trayer xdotool xwininfo dbus-send; do
    if ! command -v "$tool" >/dev/null; then
        echo "tray_e2e: FAILED: $tool is missing (scripts/install-deps.sh installs it)" >&2
        exit 1
    fi
done

# A screen of its own and a session bus of its own. -noreset: by default the X
# server resets whenever its last client leaves, and a reset drops every client
# still in its connection setup. The first xdotool poll below can come and go
# while trayer is still connecting, and trayer then ends with "cannot open
# display".
if [ -z "${PELLORIN_TRAY_E2E_INSIDE:-}" ]; then
    export PELLORIN_TRAY_E2E_INSIDE=1
    exec xvfb-run -a -s '-screen 0 1280x900x24 -noreset' dbus-run-session -- bash "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME
# What the icon reports, written to the program's log.
export QT_LOGGING_RULES="pellorin.tray.debug=true"

work="$(mktemp -d)"
# The record of answered calls and the settings (the window's place) go here,
# not into the home folder.
export XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

step() { echo "tray_e2e: $*"; }
fail() {
    echo "tray_e2e: FAILED: $*" >&2
    echo "--- display $DISPLAY, trayer log" >&2
    cat "$work/trayer.log" >&2 || true
    echo "--- window tree" >&2
    xwininfo -root -tree >&2 || true
    echo "--- program log" >&2
    cat "$work/pellorin.log" >&2 || true
    exit 1
}
# Waits up to $1 seconds for the command after it to succeed.
until_true() {
    local seconds="$1"
    shift
    local tries=$((seconds * 10))
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}
visible_window() { xdotool search --onlyvisible --name "$1" | head -1; }
has_visible_window() { [ -n "$(visible_window "$1")" ]; }
# The program's icon: the window that trayer's panel embeds.
tray_icon() {
    xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ { inpanel = 1; next }
        inpanel && /\("pellorin" "Pellorin"\)/ { print $1; exit }
        inpanel && /^     0x/ { inpanel = 0 }'
}
has_tray_icon() { [ -n "$(tray_icon)" ]; }
# Focuses the window named $1 and types the keys after it.
keys_to() {
    local window
    window="$(visible_window "$1")"
    [ -n "$window" ] || fail "no window named $1"
    shift
    xdotool windowfocus --sync "$window"
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}
standin_call() {
    dbus-send --session --print-reply=literal --dest=org.pellorin.StandIn \
        /org/pellorin/StandIn "org.pellorin.StandIn.$1" "${@:2}"
}
owned() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q true
}
answered() { standin_call History "uint32:$1" | grep -q "ALTER CALL $1 ANSWER"; }
logged() { grep -q "$1" "$work/pellorin.log"; }

cp "$program" "$work/pellorin"
printf 'bob\r\n' >"$work/qvcalllist.ini"

step "starting trayer"
trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
    >"$work/trayer.log" 2>&1 &
trayer_pid=$!
pids+=("$trayer_pid")
until_true 10 has_visible_window '^panel$' ||
    fail "trayer did not show its panel$(kill -0 "$trayer_pid" 2>/dev/null || echo ' (it has ended)')"

step "starting the stand-in"
"$standin" --no-window >"$work/standin.log" 2>&1 &
pids+=($!)
until_true 10 owned org.pellorin.StandIn || fail "the stand-in is not on the bus"
until_true 10 owned com.Skype.API || fail "the stand-in does not serve the client's API"

step "starting the program"
"$work/pellorin" >"$work/pellorin.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

until_true 15 has_visible_window '^Pellorin$' || fail "no notice at start"
keys_to '^Pellorin$' Return
until_true 10 has_visible_window '^Pellorin v0\.2b$' || fail "no main window"

step "File > Attach to Skype"
keys_to '^Pellorin v0\.2b$' alt+f a
until_true 10 has_visible_window '^Pellorin$' || fail "no notice after attaching"
keys_to '^Pellorin$' Return

step "View > Minimize to Tray"
# View has no access key: from File, two to the left (past Help), then the
# third command (past Answered Calls and the separator).
keys_to '^Pellorin v0\.2b$' alt+f Left Left Down Down Return
until_true 10 has_tray_icon || fail "no icon in trayer"
until_true 5 bash -c "! xdotool search --onlyvisible --name '^Pellorin v0\.2b$'" ||
    fail "the main window is still visible"

step "ringing from bob"
call="$(standin_call Ring string:bob | awk '{print $NF}')"
until_true 10 answered "$call" || fail "call $call from bob was not answered"
has_visible_window '^Pellorin v0\.2b$' && fail "the window came back with the call"

step "left-clicking the icon"
icon="$(tray_icon)"
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
until_true 10 has_visible_window '^Pellorin v0\.2b$' || fail "the window did not come back"
until_true 5 logged "removed" || fail "the icon was not removed"
has_tray_icon && fail "the icon is still in trayer"
logged "activated NotificationIcon::Action::Trigger" || fail "no Trigger logged"

step "back to the tray, then starting the program a second time"
keys_to '^Pellorin v0\.2b$' alt+f Left Left Down Down Return
until_true 10 has_tray_icon || fail "no icon in trayer the second time"
second_status=0
timeout 15 "$work/pellorin" >"$work/second.log" 2>&1 || second_status=$?
[ "$second_status" -eq 0 ] || fail "the second start ended with status $second_status"
until_true 10 has_visible_window '^Pellorin v0\.2b$' || fail "the second start did not show the window"
no_tray_icon() { ! has_tray_icon; }
until_true 5 no_tray_icon || fail "the icon is still in trayer after the second start"
kill -0 "$program_pid" || fail "the first program ended"

step "File > Exit"
keys_to '^Pellorin v0\.2b$' alt+f x
until_true 10 bash -c "! kill -0 $program_pid" || fail "the program did not end"
wait "$program_pid" || fail "the program ended with status $?"

echo "tray_e2e: PASSED (call $call answered while hidden; icon clicked; window back)"
