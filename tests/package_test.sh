#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build tree and checks it as a Debian
# maintainer would: lintian with no error or warning, what it depends on, the
# files it carries, no trace of the folder it was built in. Then starts the
# program extracted from it on a virtual display and checks that its window
# belongs to the desktop entry.
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

fail() {
    echo "FAIL: $*"
    exit 1
}

# lintian: every tag it shows, information included; an error or a warning fails.
report=$(lintian --pedantic --display-info --display-experimental "$deb" 2>/dev/null || true)
echo "lintian: ${report:-no tags}"
if grep -q '^[EW]: ' <<<"$report"; then
    fail "lintian reports errors or warnings"
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6 qt6-qpa-plugins \
    libgeonames0 libqt6printsupport6 libqt6sql6 libqt6sql6-sqlite libsqlite3-0 libqt6svg6 \
    fonts-noto-core tzdata liberfa1; do
    grep -q "\b$needed\b" <<<"$depends" || fail "the package does not depend on $needed"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
for wanted in xdg-utils qt6-wayland qt6-translations-l10n; do
    grep -q "\b$wanted\b" <<<"$recommends" || fail "$wanted is not recommended"
done
for script in preinst postinst prerm postrm; do
    ! dpkg-deb -I "$deb" "$script" >/dev/null 2>&1 || fail "the package carries a $script script"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
entry="$root/usr/share/applications/com.quorvane.Asterine.desktop"
desktop-file-validate "$entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.quorvane.Asterine.metainfo.xml"
test -s "$root/usr/share/icons/hicolor/scalable/apps/com.quorvane.Asterine.svg"
for size in 16 24 32 48 64 128 256; do
    test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/com.quorvane.Asterine.png"
done
test -s "$root/usr/lib/asterine/asterine_browser.so"
test -s "$root/usr/lib/asterine/asterine_print.so"
test -s "$root/usr/lib/asterine/asterine_gui.so"
test -s "$root/usr/lib/asterine/asterine_chart.so"
bash -n "$root/usr/share/bash-completion/completions/asterine"
test -s "$root/usr/share/doc/asterine/copyright"
gzip -t "$root/usr/share/doc/asterine/changelog.gz"
zcat "$root/usr/share/man/man1/asterine.1.gz" | grep -q '^\.TH ASTERINE 1'

# A shipped program never loads code from, or names, the folder it was built in.
if grep -rl --binary-files=text -e "$build" -e "$(dirname "$build")" "$root"; then
    fail "these files of the package name the build folder"
fi

# The extracted program's command line, without a display.
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    [[ $("$root/usr/bin/asterine" --version | head -n 1) == "Asterine 1.0" ]] || fail "--version"
    "$root/usr/bin/asterine" reading --latitude 77:33N --year 1970 | grep -q "^Fixed Star: Regulus$" ||
        fail "the extracted program gave no reading")
# Its translations, each with the size and checksum it was built with, and
# the extracted program speaking German from them.
for language in de fr es pt_BR hi ar; do
    qm=$root/usr/share/asterine/translations/asterine_$language.qm
    [[ -f $qm ]] || fail "the package lacks the $language translation"
    grep -qx "$(stat -c %s "$qm") $(sha256sum "$qm" | cut -d' ' -f1) asterine_$language.qm" \
        "$root/usr/share/asterine/translations/translations.sums" ||
        fail "translations.sums does not give asterine_$language.qm as packaged"
done
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    LANGUAGE=de LANG=C.UTF-8 "$root/usr/bin/asterine" reading --latitude 77:33N --year 1970 |
        grep -q "^Fixstern: Regulus$" || fail "the extracted program does not speak German")
# Its chart module, from where the package puts it, off screen.
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    "$root/usr/bin/asterine" reading --latitude 51:30N --year 1990 --chart "$work/wheel.svg" \
        >/dev/null && grep -q '<svg' "$work/wheel.svg") || fail "the extracted program drew no chart"
grep -q '^Comment\[de\]=' "$root/usr/share/applications/com.quorvane.Asterine.desktop" ||
    fail "the desktop entry has no German comment"
# Its completion offers the reading command's options.
completion=$(bash -c "source '$root/usr/share/bash-completion/completions/asterine'
    COMP_WORDS=(asterine reading --for); COMP_CWORD=2; _asterine; echo \${COMPREPLY[*]}")
[[ $completion == --format ]] || fail "bash completion offered '$completion'"

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM
wm_class=$(grep '^StartupWMClass=' "$entry" | cut -d= -f2)
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" &
    program=$!
    trap "kill $program" EXIT
    for _ in $(seq 100); do
        window=$(xwininfo -root -tree | awk "/\"Asterine v1.0\"/ { print \$1; exit }")
        if [[ -n $window ]]; then
            echo "the extracted program shows its window"
            class=$(xprop -id "$window" WM_CLASS)
            echo "$class"
            if [[ $class != *"\"$2\", \"$2\""* ]]; then
                echo "FAIL: the window class is not the entry'"'"'s StartupWMClass ($2)"
                exit 1
            fi
            exit 0
        fi
        sleep 0.1
    done
    echo "FAIL: the extracted program showed no window"
    exit 1
' shown "$root/usr/bin/asterine" "$wm_class"
