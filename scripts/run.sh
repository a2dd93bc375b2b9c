#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tintwell.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" >/dev/null
exec "${TINTWELL_BUILD_DIR:-$root/build}/src/tintwell" "$@"
