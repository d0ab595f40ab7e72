#!/usr/bin/env bash
# Builds and runs the benchmarks (the bus ones on a private session bus):
#   link_latency     round trips to the stand-in client (bare Invoke beside the client link)
#   ring_to_answer   ring to answer through the main window, beside a bare round trip
#   list_file_bench  loading and saving a full list, beside plain file I/O
#   background_bench composing the background at 1920x1080 beside a fill and a tiled
#                    pixmap, and a drag resize of the main window
#   sip_answer       dial to established with real baresip instances: Pellorin
#                    answering beside baresip's own auto-answer
#   jami_answer      dial to established from baresip to a real jamid's SIP account:
#                    Pellorin beside a bare controller and jamid's own auto-answer
#   auto_attach_soak the program left running with --auto-attach: 2,000 rings, the
#                    stand-in restarted every 200; missed callers, time to attach
#                    again beside a bare attach request, resident memory
#   answered_calls_bench  View > Answered Calls over 2 x 1 MiB of record, beside a
#                    plain read of the same files
#   unattended_soak  the program as it runs unattended against the stand-in, baresip
#                    and jamid in turn, rung while they are killed, stopped and
#                    refused and a person uses the windows (--rings N, 20,000 by
#                    default; --seed S); each figure beside its bound
#   save_kills       kills during saves of a list (--kills N, 500 by default), and
#                    the temporary files left beside it
#
#   bash scripts/bench.sh                   runs them all with their default sizes
#   bash scripts/bench.sh NAME [OPTIONS]    runs one, e.g. ring_to_answer --calls 200
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
benchmarks=(link_latency ring_to_answer list_file_bench background_bench sip_answer jami_answer
    save_kills auto_attach_soak answered_calls_bench unattended_soak)
# These need no session bus.
busless=" list_file_bench background_bench sip_answer save_kills answered_calls_bench "
if [ $# -gt 0 ] && [[ ! " ${benchmarks[*]} " == *" $1 "* ]]; then
    echo "usage: $0 [$(IFS='|'; echo "${benchmarks[*]}") [options]]" >&2
    exit 2
fi
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
build="${PELLORIN_BUILD_DIR:-$here/build}"
export QT_QPA_PLATFORM=offscreen
if [ $# -gt 0 ]; then
    name="$1"
    shift
    if [[ "$busless" == *" $name "* ]]; then
        exec "$build/bench/$name" "$@"
    fi
    exec dbus-run-session -- "$build/bench/$name" "$@"
fi
for name in "${benchmarks[@]}"; do
    if [ "$name" = list_file_bench ]; then
        "$build/bench/$name" --benchmark_color=false
    elif [[ "$busless" == *" $name "* ]]; then
        "$build/bench/$name"
    else
        dbus-run-session -- "$build/bench/$name"
    fi
    echo
done
