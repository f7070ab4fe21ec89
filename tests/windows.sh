#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build under Wine: its test programs, the installer and the zip
# as a user gets them. (Among the test programs is the write path of
# Windows' own serial code on a pseudo-terminal mapped as a COM port.)
#   tests/windows.sh BUILD-WINDOWS ZIP SETUP-EXE
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
win_build=$(realpath "$1") zip=$(realpath "$2") setup=$(realpath "$3")
export WINEPREFIX="${WINEPREFIX:-$here/../build-windows-wine}" WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and asking for them needs a display.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The server outlives the programs, holding on to whatever output it was
# started with: it goes with this script.
trap 'wineserver -k 2>/dev/null || true' EXIT

echo "== the test programs under Wine"
(cd "$win_build" && ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)")

echo "== the installer and the zip"
wine "$(winepath -w "$setup")" /S
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/j3k-editor"
printf 'S00100000787878787878787870707070707070707070707070707070424210424242424213027F2Y%s' \
    'G01E2D3C4855680DCDCDCDCDC140A642A6A6674747474747474740074747474747474740135006D2Z' >"$WINEPREFIX/drive_c/start.txt"
# The licences of the programs and of all they carry, in both; every
# library either brings is named in the notices.
licences() {
    local f dll
    for f in LICENSE.txt THIRD-PARTY-NOTICES.txt licenses/Apache-2.0.txt licenses/LGPL-3.0.txt; do
        [ -s "$1/$f" ] || { echo "$2 lacks $f"; exit 1; }
    done
    for dll in $(cd "$1" && find . -name '*.dll' | sed 's|^\./||'); do
        grep -qF "$dll" "$1/THIRD-PARTY-NOTICES.txt" || { echo "$2: no notice names $dll"; exit 1; }
    done
}
licences "$installed" "the installer"
shown=$("$here/wine-run" "$installed/j3kctl.exe" show 'C:\start.txt')
grep -q '^TX-ALARM (V) *11.1' <<<"$shown" || { echo "j3kctl show: $shown"; exit 1; }
"$here/wine-run" "$installed/j3kctl.exe" sheet 'C:\start.txt' -o 'C:\start.pdf'
[ -s "$WINEPREFIX/drive_c/start.pdf" ] || { echo "j3kctl sheet wrote no PDF"; exit 1; }
# Unpacked on C:, as a user would: under a deep clone, build-windows\ is
# past the 260 characters cmd takes for a program's path.
unpacked="$WINEPREFIX/drive_c/unpacked"
rm -rf "$unpacked" && mkdir -p "$unpacked" && (cd "$unpacked" && cmake -E tar xf "$zip")
licences "$(ls -d "$unpacked"/*/)" "the zip"
for editor in "$installed/j3k-editor.exe" "$unpacked"/*/j3k-editor.exe; do
    # A server started without a display (j3kctl above) would put the
    # window on a desktop no X server shows.
    wineserver -k 2>/dev/null || true
    "$here/smoke_window.sh" "$here/wine-run" "$editor"
    wineserver -k || true
done
wine "$(winepath -w "$installed/uninstall.exe")" /S
wineserver -w
[ ! -e "$installed" ] || { echo "the uninstaller left $installed:" $(ls -A "$installed"); exit 1; }
