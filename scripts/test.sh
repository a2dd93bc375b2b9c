#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; ends with CTest's summary. Extra
# arguments go to CMake's configure step (CI passes -DTINTWELL_WERROR=ON).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTWELL_BUILD_DIR:-$root/build}
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$@"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
