#!/usr/bin/env bash
# Installs Pellorin's Debian package and checks that the installed program, with
# the installed stand-in client, attaches and answers a call from its calls list
# (kept where an installed program keeps it: $XDG_CONFIG_HOME/pellorin).
#
#   tests/package/test_installed.sh PACKAGE.deb          unpacks it into a temporary root
#   tests/package/test_installed.sh --dpkg PACKAGE.deb   installs it with dpkg -i (root)
#
# Needs xvfb-run, dbus-run-session, dbus-send and xdotool (scripts/install-deps.sh).
set -euo pipefail

say() { echo "test_installed: $*" >&2; }

if [ "${1:-}" = --inside ]; then
    # On the virtual display and the private bus.
    prefix=$2
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME
    "$prefix/bin/pellorin-standin" --no-window &
    standin=$!
    trap 'kill "$standin" 2>/dev/null || true' EXIT
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.NameHasOwner string:org.pellorin.StandIn 2>/dev/null |
            grep -q 'boolean true' && break
        sleep 0.1
    done
    "$prefix/bin/pellorin" 2>"$WORK/pellorin.log" &
    program=$!
    # The notice at start, then the main window.
    if ! timeout 20 xdotool search --sync --limit 1 --name '^Pellorin$' >/dev/null; then
        say "the installed program showed no notice at start; it said:"
        cat "$WORK/pellorin.log" >&2
        exit 1
    fi
    sleep 0.5
    xdotool key Return
    main=$(timeout 20 xdotool search --sync --limit 1 --name '^Pellorin v0\.2b$')
    sleep 0.5
    # File > Attach to Skype.
    xdotool mousemove --window "$main" 20 8 click 1
    sleep 0.5
    xdotool mousemove --window "$main" 60 32 click 1
    sleep 1.5
    id=$(dbus-send --session --print-reply --dest=org.pellorin.StandIn /org/pellorin/StandIn \
        org.pellorin.StandIn.Ring string:bob | awk '/uint32/ {print $2}')
    for _ in $(seq 50); do
        if dbus-send --session --print-reply --dest=org.pellorin.StandIn /org/pellorin/StandIn \
            org.pellorin.StandIn.History uint32:"$id" | grep -q "ALTER CALL $id ANSWER"; then
            say "the installed program answered call $id from bob"
            kill "$program"
            exit 0
        fi
        sleep 0.2
    done
    say "call $id from bob was not answered; the program said:"
    cat "$WORK/pellorin.log" >&2
    kill "$program" || true
    exit 1
fi

mode=unpack
if [ "${1:-}" = --dpkg ]; then
    mode=dpkg
    shift
fi
package=$(realpath "${1:?usage: $0 [--dpkg] PACKAGE.deb}")
export WORK
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

if [ "$mode" = dpkg ]; then
    dpkg -i "$package" >/dev/null
    prefix=/usr
else
    dpkg-deb -x "$package" "$WORK/root"
    prefix=$WORK/root/usr
fi
say "running $prefix/bin/pellorin"

export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_STATE_HOME=$WORK/home/.local/state
mkdir -p "$XDG_CONFIG_HOME/pellorin"
printf 'bob\r\n' > "$XDG_CONFIG_HOME/pellorin/qvcalllist.ini"
unset DBUS_SESSION_BUS_ADDRESS
xvfb-run -a -s '-screen 0 1024x768x24' dbus-run-session -- bash "$0" --inside "$prefix"
