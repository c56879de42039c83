#!/usr/bin/env bash
# Builds the .deb with CPack from the build tree ($1), unpacks it into a
# throwaway root, checks what landed, validates the desktop data, and starts
# the installed program once, headless, for a few seconds.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null
deb="$(ls "$work"/out/tmdemo_*.deb)"
echo "package: $(basename "$deb")"

dpkg-deb --info "$deb" >"$work/info"
grep -q '^ Depends:.*libqt6widgets6' "$work/info" || { echo "Depends lacks libqt6widgets6"; cat "$work/info"; exit 1; }
grep -q '^ Maintainer: .\+' "$work/info"
grep -q '^ Description: .\+' "$work/info"

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/tmdemo \
    usr/share/applications/org.tmdemo.TMDemo.desktop \
    usr/share/metainfo/org.tmdemo.TMDemo.metainfo.xml \
    usr/share/icons/hicolor/{32x32,48x48,64x64,128x128,256x256}/apps/org.tmdemo.TMDemo.png; do
    [ -f "$work/root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
[ -x "$work/root/usr/bin/tmdemo" ]
grep -q '^Icon=org.tmdemo.TMDemo$' "$work/root/usr/share/applications/org.tmdemo.TMDemo.desktop"
grep -q '^Categories=Education;Science;' "$work/root/usr/share/applications/org.tmdemo.TMDemo.desktop"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/org.tmdemo.TMDemo.desktop"
fi
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.tmdemo.TMDemo.metainfo.xml"

# Still running after 3 s: it started and stays up.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/tmdemo" || status=$?
[ "$status" -eq 124 ] || { echo "the installed program ended early with status $status"; exit 1; }
echo "installed program ran headless"
