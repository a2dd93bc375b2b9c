#!/usr/bin/env bash
# Unpacks the given .deb into a temporary root, checks the files a desktop needs are there
# and valid, and starts the unpacked program under Xvfb until its window shows.
set -euo pipefail
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
unpacked=$(mktemp -d /tmp/tintwell-deb.XXXXXX)
dpkg-deb -x "$deb" "$unpacked"
id=$(basename "$unpacked"/usr/share/applications/*.desktop .desktop)
for f in bin/tintwell share/tintwell/help.html share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/man/man1/tintwell.1.gz share/doc/tintwell/copyright \
         share/icons/hicolor/scalable/apps/tintwell.svg \
         share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/tintwell.png; do
    [ -f "$unpacked/usr/$f" ] || { echo "FAIL: the package has no /usr/$f" >&2; exit 1; }
done
desktop-file-validate "$unpacked/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml" >/dev/null
version=$(dpkg-deb -f "$deb" Version)
[ "$("$unpacked/usr/bin/tintwell" --version)" = "tintwell $version" ] || { echo "FAIL: --version is not $version" >&2; exit 1; }

export TINTWELL=$unpacked/usr/bin/tintwell
source "$(dirname "$0")/../e2e/lib.sh"
start_desktop
start_tintwell
close_tintwell
rm -rf "$unpacked"
echo "package check: ok"
