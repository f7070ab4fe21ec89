#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from the install rules and checks what a user's system
# would get: lintian finds no error and no warning (copyright, changelog,
# manual pages, stripped programs, dependencies), the programs and pages are
# there, and the .desktop entry and metainfo are well-formed. The tools come
# with ./scripts/test (Debian: lintian, desktop-file-utils, appstream, dpkg).
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack" 2>&1) ||
    { cat "$scratch/cpack"; exit 1; }
deb=$(ls "$scratch"/deb/*.deb)
fail=0
lintian --fail-on error,warning "$deb" || fail=1

dpkg-deb -x "$deb" "$scratch/root"
installed=(bin/j3k-editor bin/j3kctl share/man/man1/j3k-editor.1.gz share/man/man1/j3kctl.1.gz
    share/icons/hicolor/64x64/apps/j3k-editor.png)
[ -e "$build/bin/txsim" ] && installed+=(bin/txsim share/man/man1/txsim.1.gz)
for f in "${installed[@]}"; do
    [ -e "$scratch/root/usr/$f" ] || { echo "not in the .deb: $f"; fail=1; }
done
# Both stricter than lintian on the .desktop entry and the metainfo.
desktop-file-validate "$scratch/root/usr/share/applications/j3k-editor.desktop" || fail=1
metainfo=$scratch/root/usr/share/metainfo/org.j3k_editor.J3kEditor.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream" || { cat "$scratch/appstream"; fail=1; }
[ $fail -eq 0 ] && echo "packaged fine"
exit $fail
