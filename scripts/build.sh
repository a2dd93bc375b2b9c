#!/usr/bin/env bash
# Configures (once) and builds into build/. Extra arguments go to CMake's configure step;
# TINTWELL_BUILD_TARGET builds one target instead of everything.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTWELL_BUILD_DIR:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" ${TINTWELL_BUILD_TARGET:+--target "$TINTWELL_BUILD_TARGET"}
