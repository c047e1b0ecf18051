#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build tree, checks what it depends on and
# the desktop files it carries, then starts the program extracted from it on a
# virtual display and waits for the birth-details window.
#
#     tests/package_test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb=$(echo "$work"/pkg/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes," \
    "installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6 qt6-qpa-plugins; do
    if ! grep -q "\b$needed\b" <<<"$depends"; then
        echo "FAIL: the package does not depend on $needed"
        exit 1
    fi
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/com.quorvane.Asterine.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.quorvane.Asterine.metainfo.xml"
test -s "$root/usr/share/icons/hicolor/scalable/apps/com.quorvane.Asterine.svg"
for size in 16 24 32 48 64 128 256; do
    test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/com.quorvane.Asterine.png"
done
test -s "$root/usr/lib/asterine/asterine_browser.so"

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" &
    program=$!
    for _ in $(seq 100); do
        if xwininfo -root -tree | grep -q "\"Asterine v1.0\""; then
            kill "$program"
            echo "the extracted program shows its window"
            exit 0
        fi
        sleep 0.1
    done
    kill "$program"
    echo "FAIL: the extracted program showed no window"
    exit 1
' shown "$root/usr/bin/asterine"
