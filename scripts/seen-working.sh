#!/usr/bin/env bash
# Shows Pellorin at work with real clients, on a virtual screen with a tray (trayer)
# and a notification daemon (dunst). For baresip, then Jami (a SIP account of
# jamid): Pellorin attaches by itself with View > Answered Calls open, a baresip
# caller on the video calls list rings and is answered, then the client is killed
# and started again. Into docs/screenshots/, for each client:
#   working-CLIENT-attached.png     the notification, the new row, the status bar
#   working-CLIENT-killed.png       the status bar once the client is gone
#   working-CLIENT-killed-tray.png  the greyed tray icon and its tip
#   working-CLIENT-back.png         the status bar once the client is back
#   working-CLIENT-back-tray.png    the tray icon and its tip again
# It prints the time from the caller's "Call established" to the call's line in
# the record, which is when the row appears.
#   bash scripts/seen-working.sh [baresip] [jami]   (both when none is named)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${PELLORIN_BUILD_DIR:-$here/build}"
out="$here/docs/screenshots"

for client in "$@"; do
    case "$client" in
    baresip | jami) ;;
    *)
        echo "seen-working: no client named $client (baresip or jami)" >&2
        exit 2
        ;;
    esac
done
if [ -z "${PELLORIN_SEEN_INSIDE:-}" ]; then
    "$here/scripts/install-deps.sh"
    # jamid 20230206 needs the tests' netlink shim on kernels from 6.9 on.
    "$here/scripts/build.sh" pellorin jami_netlink_shim
    export PELLORIN_SEEN_INSIDE=1
    unset DBUS_SESSION_BUS_ADDRESS
    exec xvfb-run -a -s '-screen 0 1280x800x24 -noreset' dbus-run-session -- bash "$0" "$@"
fi

# In English, whatever the desktop's language: the keys below are the English menus'.
export LANGUAGE=en
export QT_QPA_PLATFORM=xcb QT_MESSAGE_PATTERN='%{time hh:mm:ss.zzz} %{category}: %{message}'
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME
work="$(mktemp -d)"
# The record of answered calls and the settings go here, not into the home folder.
export XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

say() { echo "seen-working: $*"; }
wait_for() { # seconds, a description, then a command that must succeed
    local tries=$(($1 * 10)) what="$2"
    shift 2
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || {
            say "gave up waiting for $what; Pellorin's log:" >&2
            cat "$work/pellorin.log" >&2 || true
            exit 1
        }
        sleep 0.1
    done
}
# shellcheck source=scripts/x11-windows.sh
source "$here/scripts/x11-windows.sh"
# The program's icon in trayer's panel.
tray_icon() {
    xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ { inpanel = 1; next }
        inpanel && /\("pellorin" "Pellorin"\)/ { print $1; found = 1; exit }
        inpanel && /^     0x/ { inpanel = 0 }
        END { exit !found }'
}
logged() { grep -q "$1" "$work/pellorin.log"; }
shot() { # the screen, or the part given after the name (WxH+X+Y), into $1
    sleep 0.5
    import -window root ${2:+-crop "$2" +repage} "$out/$1"
    say "$out/$1"
}
# Seconds since midnight of an hh:mm:ss.zzz time.
seconds() { awk -F: '{ printf "%.3f", $1 * 3600 + $2 * 60 + $3 }' <<<"$1"; }
main='^Pellorin v0\.2b$'
mkdir -p "$out"

trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
    >"$work/trayer.log" 2>&1 &
pids+=($!)
dunst >"$work/dunst.log" 2>&1 &
pids+=($!)
wait_for 10 "trayer's panel" shown '^panel$'

# baresip with the loopback set-up of the user guide: $1 the name, $2 the SIP port,
# $3 the control port.
sip_config() {
    mkdir -p "$work/sip/$1"
    printf '%s\n' "sip_listen 127.0.0.1:$2" "net_interface 127.0.0.1" \
        "audio_player aubridge,nil" "audio_source ausine,440" "audio_alert aubridge,nil" \
        "ausrc_srate 48000" "ausrc_channels 2" \
        "video_source fakevideo,nil" "video_display fakevideo,nil" \
        "module_path /usr/lib/baresip/modules" \
        "module g711.so" "module ausine.so" "module aubridge.so" \
        "module fakevideo.so" "module vp8.so" "module_tmp account.so" \
        "module_app contact.so" "module_app menu.so" "module_app ctrl_tcp.so" \
        "ctrl_tcp_listen 127.0.0.1:$3" >"$work/sip/$1/config"
    echo "<sip:$1@127.0.0.1:$2>;answermode=manual;regint=0" >"$work/sip/$1/accounts"
    : >"$work/sip/$1/contacts"
}
sip_config alice 5072 4445

# Alice calls $1 for ten seconds; the time of her "Call established" goes to $2.
ring() {
    (stdbuf -oL baresip -f "$work/sip/alice" -e "/dial $1" -t 10 2>&1 |
        while IFS= read -r line; do echo "$(date +%T.%3N) $line"; done >"$2") &
    wait_for 10 "the call to be established" grep -q 'Call established' "$2"
}

# Runs Pellorin with the arguments given, attaching by itself, with alice on the
# video calls list as the client names her ($1) and View > Answered Calls open.
start_pellorin() {
    local handle="$1"
    shift
    rm -rf "$work/program" "$XDG_STATE_HOME" "$XDG_CONFIG_HOME"
    mkdir -p "$work/program"
    cp "$build/src/pellorin" "$work/program/"
    printf '%s\r\n' "$handle" >"$work/program/qvvideocalllist.ini"
    "$work/program/pellorin" "$@" --auto-attach >"$work/pellorin.log" 2>&1 &
    pellorin_pid=$!
    pids+=("$pellorin_pid")
    wait_for 15 "the main window" shown "$main"
    xdotool windowmove "$(window "$main")" 0 0
    xdotool windowsize "$(window "$main")" 900 600
    # The list windows that a call loads are opened first, so that Answered Calls
    # stays above them.
    keys "$main" alt+f Right Right Return      # Options > Lists > Calls List
    keys "$main" alt+f Right Right Down Return # Options > Lists > Video Calls List
    keys "$main" alt+f Left Left Down Return   # View > Answered Calls
}

stop_pellorin() {
    kill "$pellorin_pid"
    wait "$pellorin_pid" || true
}

# Rings, measures and takes the screenshots; $1 the client's name, $2 the
# address alice dials, $3 and $4 the commands that kill and start the client.
show() {
    local name="$1"
    wait_for 20 "the attachment" logged 'Attached to the calling client'
    ring "$2" "$work/alice.log"
    wait_for 10 "the call's row" logged 'pellorin.calls: .*video'
    local established row
    established="$(awk '/Call established/ { print $1; exit }' "$work/alice.log")"
    row="$(awk '/pellorin.calls: .*video/ { print $1; exit }' "$work/pellorin.log")"
    shot "working-$name-attached.png"
    say "$name: call established $established, its row $row:" \
        "$(awk -v a="$(seconds "$established")" -v b="$(seconds "$row")" \
            'BEGIN { printf "%.3f", b - a }') s later"
    sed -n 's/.*pellorin.calls: //p' "$work/pellorin.log"

    $3
    dunstctl close-all
    wait_for 10 "the end of the attachment" logged 'attaching again'
    shot "working-$name-killed.png"
    tray_shot "working-$name-killed-tray.png"
    $4
    wait_for 20 "the attachment again" logged 'Attached to the calling client again'
    shot "working-$name-back.png"
    tray_shot "working-$name-back-tray.png"
}

# Hides the main window in the tray, shows the icon's tip under the pointer, takes
# that corner of the screen into $1 and clicks the icon to bring the window back.
tray_shot() {
    keys "$main" alt+f Left Left Down Down Return # View > Minimize to Tray
    wait_for 10 "the tray icon" tray_icon
    eval "$(xdotool getwindowgeometry --shell "$(tray_icon)")"
    # Two moves inside the icon: Qt shows a tip after the pointer rests in a widget.
    xdotool mousemove $((X + WIDTH / 2 - 1)) $((Y + HEIGHT / 2)) sleep 0.2 \
        mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
    sleep 2
    shot "$1" 440x80+840+0
    xdotool click 1
    wait_for 10 "the main window again" shown "$main"
    xdotool mousemove 0 799
}

if [ $# -eq 0 ]; then
    set -- baresip jami
fi
for client in "$@"; do
    case "$client" in
    baresip)
        sip_config bob 5062 4444
        start_bob() {
            baresip -f "$work/sip/bob" >"$work/bob.log" 2>&1 &
            bob_pid=$!
            pids+=("$bob_pid")
        }
        kill_bob() { kill "$bob_pid"; }
        start_bob
        start_pellorin alice@127.0.0.1:5072 --client baresip --baresip-control 127.0.0.1:4444
        show baresip sip:bob@127.0.0.1:5062 kill_bob start_bob
        stop_pellorin
        kill_bob
        ;;
    jami)
        # jamid with a home of its own, no sound card, and a SIP account on the
        # loopback address for plain-RTP callers (as in the user guide).
        mkdir -p "$work/jami"
        echo 'pcm.!default { type null }' >"$work/jami/.asoundrc"
        start_jamid() {
            HOME="$work/jami" XDG_CONFIG_HOME="$work/jami/.config" \
                XDG_DATA_HOME="$work/jami/.local/share" XDG_CACHE_HOME="$work/jami/.cache" \
                LD_PRELOAD="$build/tests/e2e/libjami_netlink_shim.so" \
                /usr/libexec/jamid -c -p >>"$work/jamid.log" 2>&1 </dev/null &
            jamid_pid=$!
            pids+=("$jamid_pid")
            wait_for 15 "jamid on the bus" gdbus call --session --dest org.freedesktop.DBus \
                --object-path /org/freedesktop/DBus --method org.freedesktop.DBus.GetNameOwner \
                cx.ring.Ring
        }
        kill_jamid() { kill "$jamid_pid"; wait "$jamid_pid" || true; }
        start_jamid
        gdbus call --session --dest cx.ring.Ring --object-path /cx/ring/Ring/ConfigurationManager \
            --method cx.ring.Ring.ConfigurationManager.addAccount \
            "{'Account.type':'SIP','Account.alias':'bob','Account.username':'bob',
              'Account.hostname':'','Account.localInterface':'lo','Account.localPort':'5080',
              'Account.publishedAddress':'127.0.0.1','Account.upnpEnabled':'false',
              'Account.videoEnabled':'true','SRTP.keyExchange':'','SRTP.rtpFallback':'true'}" \
            >/dev/null
        start_pellorin alice@127.0.0.1 --client jami
        show jami sip:bob@127.0.0.1:5080 kill_jamid start_jamid
        stop_pellorin
        kill_jamid
        ;;
    esac
done
