#!/usr/bin/env bash
# Takes the README's screenshots of Pellorin and the stand-in on a virtual screen
# (xvfb-run), driving the windows with xdotool, into docs/screenshots/. Run it
# again whenever a window changes:
#   bash scripts/screenshots.sh
# With a language (de, fr, es, it, pt_BR) it takes the main window with the calls
# list window in that language, as main-window.LANGUAGE.png:
#   bash scripts/screenshots.sh de
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PELLORIN_BUILD_DIR:-$here/build}"
out="$here/docs/screenshots"

if [ -z "${PELLORIN_SCREENSHOTS_INSIDE:-}" ]; then
    "$here/scripts/install-deps.sh"
    "$here/scripts/build.sh" pellorin pellorin-standin
    export PELLORIN_SCREENSHOTS_INSIDE=1
    unset DBUS_SESSION_BUS_ADDRESS
    exec xvfb-run -a -s '-screen 0 1280x800x24' dbus-run-session -- bash "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME
work="$(mktemp -d)"
# The record of answered calls and the settings go here, not into the home folder
# (where a client saved in Options would change what the windows say).
export XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

wait_for() { # seconds, then a command that must succeed
    local tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || { echo "screenshots: gave up waiting for: $*" >&2; exit 1; }
        sleep 0.1
    done
}
# shellcheck source=scripts/x11-windows.sh
source "$here/scripts/x11-windows.sh"
shot() { # the window named $1 into $2
    sleep 0.5
    import -window "$(window "$1")" "$out/$2"
    echo "screenshots: $out/$2"
}
main='^Pellorin v0\.2b$'
language="${1:-}"
# The keys of File and of its Attach command in each language.
case "$language" in
"") file=f attach=a ;;
de) file=d attach=v ;;
fr | it) file=f attach=c ;;
es | pt_BR) file=a attach=c ;;
*) echo "screenshots: no translation for the language '$language'" >&2; exit 2 ;;
esac
if [ -n "$language" ]; then
    # As a desktop in that language gives it; the stand-in stays as it is.
    pellorin_env=(env LANGUAGE="$language" LANG="$language.UTF-8")
else
    pellorin_env=(env LANGUAGE=en)
fi

# A copy of the program with lists of its own, beside the stand-in and its demo contacts.
cp "$build/src/pellorin" "$work/"
printf 'bob\r\ncarol\r\n' >"$work/qvcalllist.ini"
"$build/tools/standin/pellorin-standin" >"$work/standin.log" 2>&1 &
pids+=($!)
wait_for 10 shown '^Stand-in calling client$'
xdotool windowmove "$(window '^Stand-in calling client$')" 0 0
"${pellorin_env[@]}" "$work/pellorin" >"$work/pellorin.log" 2>&1 &
pids+=($!)
wait_for 15 shown '^Pellorin$'
keys '^Pellorin$' Return
wait_for 10 shown "$main"
xdotool windowmove "$(window "$main")" 0 0

mkdir -p "$out"

keys "$main" "alt+$file" "$attach" # File > Attach to Skype
wait_for 10 shown '^Pellorin$'
keys '^Pellorin$' Return
keys "$main" "alt+$file" Right Down Right Return # Options > Logo > Show Logo
keys "$main" "alt+$file" Right Right Return       # Options > Lists > Calls List
if [ -n "$language" ]; then
    shot "$main" "main-window.$language.png"
    exit 0
fi
shot "$main" main-window.png

keys "$main" ctrl+w                 # closes the list window
keys "$main" alt+f Left Left Return # View > Skype Contacts
sleep 0.5
# grace, the eighth contact: a double-click shows her profile and long About.
xdotool mousemove --window "$(window "$main")" 40 178 click 1
sleep 0.3
xdotool click --repeat 2 --delay 80 1
shot "$main" contact-browser.png

keys "$main" ctrl+w
keys "$main" alt+f Left Down Return # Help > About
shot "$main" about.png

# The stand-in, with the call from bob that Pellorin answered in its table.
dbus-send --session --print-reply --dest=org.pellorin.StandIn /org/pellorin/StandIn \
    org.pellorin.StandIn.Ring string:bob >/dev/null
sleep 1
xdotool windowunmap --sync "$(window "$main")"
xdotool windowactivate "$(window '^Stand-in calling client$')" 2>/dev/null || true
shot '^Stand-in calling client$' standin.png

# The main window again, its status bar naming the call from bob, and the record of
# the calls answered in View > Answered Calls.
xdotool windowmap --sync "$(xdotool search --name "$main" | head -n 1)"
wait_for 10 shown "$main"
keys "$main" alt+f Left Left Down Return # View > Answered Calls
shot "$main" answered-calls.png
