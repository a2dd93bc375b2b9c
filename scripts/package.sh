#!/usr/bin/env bash
# Builds tintwell_<version>_<arch>.deb into the top folder: a release build without tests in
# build-package/, packed by CPack (dependencies from dpkg-shlibdeps), then checked by lintian.
# Extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTWELL_PACKAGE_BUILD_DIR:-$root/build-package}
"$root/scripts/deps.sh"
TINTWELL_BUILD_DIR=$build TINTWELL_BUILD_TARGET=tintwell "$root/scripts/build.sh" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "$@"
(cd "$build" && cpack -G DEB -B "$build/cpack" >/dev/null)
deb=$(ls "$build"/cpack/tintwell_*.deb)
cp "$deb" "$root/"
deb=$root/$(basename "$deb")
lintian --fail-on error "$deb"
echo "$deb"
