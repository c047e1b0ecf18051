#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every form into docs/screenshots/ on a virtual display, for the
# README and for a person to look at; and the same forms at 200 % scaling
# (200/), under a dark desktop palette (dark/) and with a 16 pt desktop font
# (font-16/).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
source scripts/env.sh

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DASTERINE_WERROR=ON >/dev/null
cmake --build build/test -j2 --target make_screenshots asterine_browser

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
unset QT_QPA_PLATFORM
# The web engine's sandbox refuses to run as root.
if ((EUID == 0)); then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi

rm -rf docs/screenshots
xvfb-run -a -s "-screen 0 1600x1200x24" build/test/tests/make_screenshots docs/screenshots
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3200x2400x24" \
    build/test/tests/make_screenshots docs/screenshots/200
xvfb-run -a -s "-screen 0 1600x1200x24" build/test/tests/make_screenshots docs/screenshots/dark --dark
xvfb-run -a -s "-screen 0 2400x1800x24" \
    build/test/tests/make_screenshots docs/screenshots/font-16 --font 16
for language in de hi ar; do
    xvfb-run -a -s "-screen 0 1600x1200x24" \
        build/test/tests/make_screenshots docs/screenshots/$language --language $language
done
# The first page of the reading as a PDF, as a viewer shows it.
for pdf in docs/screenshots/reading.pdf docs/screenshots/*/reading.pdf; do
    pdftoppm -png -r 60 -singlefile "$pdf" "${pdf%.pdf}-pdf"
    rm "$pdf"
done
ls docs/screenshots docs/screenshots/*/
