#!/usr/bin/env bash
# Installs what is missing, builds the program alone (not the tests or benchmarks) with the
# build's progress shown, and starts Tintwell.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
TINTWELL_BUILD_TARGET=tintwell "$root/scripts/build.sh"
exec "${TINTWELL_BUILD_DIR:-$root/build}/src/tintwell" "$@"
