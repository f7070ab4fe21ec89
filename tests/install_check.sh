#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and builds the .deb, then checks
# that what a user's system would get is there and well-formed. The tools
# it checks with come with ./scripts/test (Debian: desktop-file-utils,
# appstream, dpkg).
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
fail=0
metainfo=share/metainfo/org.j3k_editor.J3kEditor.metainfo.xml
installed=(bin/j3k-editor bin/j3kctl share/applications/j3k-editor.desktop
    share/icons/hicolor/64x64/apps/j3k-editor.png $metainfo)
[ -e "$build/bin/txsim" ] && installed+=(bin/txsim)
for f in "${installed[@]}"; do
    [ -e "$scratch/usr/$f" ] || { echo "not installed: $f"; fail=1; }
done
desktop-file-validate "$scratch/usr/share/applications/j3k-editor.desktop" || fail=1
appstreamcli validate --no-net "$scratch/usr/$metainfo" >"$scratch/appstream" || { cat "$scratch/appstream"; fail=1; }

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null)
deb=$(ls "$scratch"/deb/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6; do
    grep -q "$p" <<<"$depends" || { echo "the .deb does not depend on $p: $depends"; fail=1; }
done
dpkg-deb -c "$deb" >"$scratch/contents"
for b in j3k-editor j3kctl; do
    grep -q "\./usr/bin/$b\$" "$scratch/contents" || { echo "the .deb lacks /usr/bin/$b"; fail=1; }
done
[ $fail -eq 0 ] && echo "installed and packaged fine"
exit $fail
