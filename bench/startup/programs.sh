# shellcheck shell=bash
# Sourced by bench/startup.sh and bench/startup_instructions.sh: builds the floors (and tintwell,
# unless TINTWELL names a binary) in Release, starts a private Xvfb with openbox, leaves the
# settings file that a normal close writes, and sets `names` and `commands`: the three floors,
# tintwell, and TINTWELL_BASELINE when given. `extra_targets` may name more build targets.
# TINTWELL_BENCH_BUS=1 runs the calling script again under a private session bus.
if [ "${TINTWELL_BENCH_BUS:-}" = 1 ] && [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "TINTWELL_BENCH_BUS=1 needs dbus-run-session (package dbus-daemon)" >&2; exit 2; }
    exec dbus-run-session -- bash "$0" "$@"
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${TINTWELL_BENCH_BUILD_DIR:-$root/build-release}

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=(startup_floor "${extra_targets[@]}")
[ -n "${TINTWELL:-}" ] || targets+=(tintwell)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null
export TINTWELL=${TINTWELL:-$build/src/tintwell}
floor=$build/bench/startup/startup_floor

# shellcheck source=tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
start_desktop
# A first start and a normal close leave the settings file that every later start reads.
start_tintwell
close_tintwell

names=(floor widgets designed tintwell)
commands=("$floor" "$floor --widgets" "$floor --designed" "$TINTWELL")
if [ -n "${TINTWELL_BASELINE:-}" ]; then
    names+=(baseline)
    commands+=("$TINTWELL_BASELINE")
fi
