#!/usr/bin/env bash
# Fails when a text of the program has no translation in one of the languages:
# lupdate runs over the sources into copies of the .ts files, and any entry it
# leaves unfinished (a text added or changed) or vanished (a text gone) is named.
# Usage: check_complete.sh LUPDATE SOURCE_DIR TS_FILE... (the build runs it with the tests).
set -euo pipefail
lupdate="$1"
sources="$2"
shift 2
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "$@"; do
    cp "$ts" "$work/"
    copies+=("$work/$(basename "$ts")")
done
"$lupdate" -silent -locations none "$sources" -ts "${copies[@]}" >"$work/lupdate.log" 2>&1 || {
    cat "$work/lupdate.log" >&2
    exit 1
}
status=0
for ts in "${copies[@]}"; do
    # One line per entry: the source text and the translation's type, if any.
    open=$(python3 - "$ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        empty = translation is None or not ("".join(translation.itertext()).strip())
        if kind or empty:
            print(f"{kind or 'empty'}: {name}: {message.findtext('source')!r}")
PY
)
    if [ -n "$open" ]; then
        echo "$(basename "$ts"): texts without a translation, or translations of texts no longer there:" >&2
        echo "$open" >&2
        status=1
    fi
done
if [ "$status" -ne 0 ]; then
    echo "Bring the .ts files up to date (cmake --build build --target update_translations), translate what is open and remove what vanished." >&2
fi
exit "$status"
