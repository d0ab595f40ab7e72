#!/usr/bin/env bash
# Installs what building, running and testing Pellorin needs on Debian 12.
# Safe to run again: it installs only what is missing. Needs root for apt-get.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6dbus6 libqt6test6 libgl-dev
    # Qt Linguist's lupdate and lrelease (the translations), and Qt's own texts
    # in the same languages.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    # ICU's spoof checker (names that look alike).
    libicu-dev
    clang libclang-rt-14-dev
    dbus dbus-daemon dbus-bin
    # Liberation Sans stands in for the list windows' classic face, DejaVu Sans
    # for the About window's Verdana.
    xvfb xauth imagemagick fonts-dejavu-core fonts-liberation2
    dpkg-dev desktop-file-utils appstream
    # A notification area, and a mouse and keyboard, for the tray end-to-end check.
    trayer xdotool x11-utils
    # A notification daemon that draws on X11, and gdbus, for scripts/seen-working.sh.
    dunst libglib2.0-bin
    baresip-core
    # Builds again from objects already compiled (scripts/build.sh uses it).
    ccache
    # Links faster than the default linker (CMakeLists.txt uses it when found).
    lld
    # Jami's daemon, for --client jami and its end-to-end test.
    jami-daemon
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: run as root (apt-get needs it) or install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
