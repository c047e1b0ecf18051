#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Asterine needs to build, run and test, and only
# those that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev
    libqt6sql6-sqlite libsqlite3-dev libicu-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libbenchmark-dev libgeonames-dev liberfa-dev swe-basic-data
    xvfb xauth x11-utils fonts-dejavu-core fonts-lohit-deva fonts-noto-core locales
    desktop-file-utils appstream dpkg-dev lintian
    dbus at-spi2-core python3-pyatspi python3-xlib xdotool x11-xkb-utils xclip
    openbox weston qt6-wayland qt6-gtk-platformtheme imagemagick python3-pil openssl
    poppler-utils cups-daemon cups-client qt6-svg-dev
    tzdata
)

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
