#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from the install rules and checks what a user's system
# would get: lintian finds no error and no warning (copyright, changelog,
# manual pages, stripped programs, dependencies), the programs and the
# licences are there, and the .desktop entry and metainfo are well-formed. The tools come
# with ./scripts/test (Debian: lintian, desktop-file-utils, appstream, dpkg).
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null)
deb=$(ls "$scratch"/deb/*.deb)
fail=0
lintian --fail-on error,warning "$deb" || fail=1

dpkg-deb -x "$deb" "$scratch/root"
# lintian wants a manual page for each program in bin/.
installed=(bin/j3k-editor bin/j3kctl libexec/j3k-editor/j3kctl-sheet share/icons/hicolor/64x64/apps/j3k-editor.png
           share/doc/j3k-editor/LICENSE share/doc/j3k-editor/THIRD-PARTY-NOTICES.txt)
[ -e "$build/bin/txsim" ] && installed+=(bin/txsim)
for f in "${installed[@]}"; do
    [ -e "$scratch/root/usr/$f" ] || { echo "not in the .deb: $f"; fail=1; }
done
# The font built into the programs is named with its licence.
grep -q '^License: Apache-2.0 or GPL-3+ with Font exception$' "$scratch/root/usr/share/doc/j3k-editor/copyright" ||
    { echo "the copyright file does not give the font's licence"; fail=1; }
# --help and --version answer on stdout wherever the programs are installed,
# without a display too.
for p in j3k-editor j3kctl; do
    for option in --help --version; do
        out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/root/usr/bin/$p" $option 2>"$scratch/err") &&
            [[ $out == *"$p"* ]] || { echo "$p $option:" && cat "$scratch/err"; fail=1; }
    done
done
# j3kctl finds the program that draws its sheets where the package puts it.
printf 'S00100000787878787878787870707070707070707070707070707070424210424242424213027F2Y%s' \
    'G01E2D3C4855680DCDCDCDCDC140A642A6A6674747474747474740074747474747474740135006D2Z' >"$scratch/start.txt"
"$scratch/root/usr/bin/j3kctl" sheet "$scratch/start.txt" -o "$scratch/start.pdf" 2>"$scratch/err" &&
    [ -s "$scratch/start.pdf" ] || { echo "j3kctl sheet:" && cat "$scratch/err"; fail=1; }
# Both stricter than lintian on the .desktop entry and the metainfo.
desktop-file-validate "$scratch/root/usr/share/applications/j3k-editor.desktop" || fail=1
appstreamcli validate --no-net "$scratch"/root/usr/share/metainfo/*.xml >"$scratch/log" || { cat "$scratch/log"; fail=1; }
exit $fail
