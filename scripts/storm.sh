#!/usr/bin/env bash
# A long event storm under the address and undefined-behaviour sanitizers.
#   scripts/storm.sh [events per seed] [seeds]     default: 25000 events on seeds 101,102,103,104
# Builds the sanitizer build (build-asan/, as CI does) and runs the storm there; a broken
# invariant prints its seed and event, and TINTWELL_STORM_TRACE=1 prints every event.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-25000}
seeds=${2:-101,102,103,104}
build=$root/build-asan
TINTWELL_BUILD_DIR=$build "$root/scripts/build.sh" -DTINTWELL_SANITIZE=ON -DTINTWELL_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cd "$build"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    TINTWELL_STORM_EVENTS=$events TINTWELL_STORM_SEEDS=$seeds tests/storm/test_storm
