#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Asterine needs, and only those that are
# missing. Runs apt-get as root, or through sudo.
#
#   scripts/setup.sh run    what building and running the program needs
#   scripts/setup.sh test   that, and what the tests, the package check, the
#                           screenshots and the benchmarks need
set -euo pipefail

# Building the program and running it.
run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-svg-dev libgl-dev
    libqt6sql6-sqlite libsqlite3-dev libicu-dev
    # The translations: lupdate and lrelease, and Qt's own texts in each language.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # The atlas, the sky's arithmetic and its star catalogue.
    libgeonames-dev liberfa-dev swe-basic-data
    # The zones of the world's clocks; the Devanagari and Arabic letters; the
    # window on a Wayland desktop.
    tzdata fonts-noto-core qt6-wayland
)

# The tests, on top of those.
test_packages=(
    python3 libbenchmark-dev
    # The layout every source is checked against.
    clang-format
    # Virtual displays, and the real program driven through them: real X
    # events in, what screen readers are told out.
    xvfb xauth x11-utils x11-xkb-utils xdotool xclip openbox weston
    dbus at-spi2-core python3-pyatspi python3-xlib qt6-gtk-platformtheme
    # The fonts and locales the forms are drawn in.
    fonts-dejavu-core fonts-lohit-deva locales
    # Screenshots, images, documents and printing.
    imagemagick python3-pil librsvg2-bin poppler-utils qpdf cups-daemon cups-client openssl
    # The Debian package and its metadata.
    dpkg-dev lintian desktop-file-utils appstream libxml2-utils
)

case "${1:-}" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
