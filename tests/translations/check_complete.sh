#!/usr/bin/env bash
# Fails when a text of the program has no translation in one of the languages:
# lupdate runs over the sources into copies of the .ts files, and any entry it
# leaves unfinished (a text added or changed) or vanished (a text gone) is named.
# So is a translation that loses a placeholder of its text (%1: a client's name,
# a file) or writes a client's name that the program puts in itself.
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
import re, sys, xml.etree.ElementTree as ET
clients = ("Skype", "baresip", "Jami")
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        source = "".join(message.find("source").itertext())
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        text = "".join(translation.itertext()) if translation is not None else ""
        if kind or not text.strip():
            print(f"{kind or 'empty'}: {name}: {source!r}")
        elif sorted(re.findall(r"%\d", text)) != sorted(re.findall(r"%\d", source)):
            print(f"placeholders differ: {name}: {source!r} -> {text!r}")
        elif any(c in text and c not in source for c in clients):
            print(f"names a client: {name}: {source!r} -> {text!r}")
PY
)
    if [ -n "$open" ]; then
        echo "$(basename "$ts"): entries to mend (no translation, a text no longer there, a placeholder lost, a client named):" >&2
        echo "$open" >&2
        status=1
    fi
done
if [ "$status" -ne 0 ]; then
    echo "Bring the .ts files up to date (cmake --build build --target update_translations), translate what is open, remove what vanished and mend the rest." >&2
fi
exit "$status"
