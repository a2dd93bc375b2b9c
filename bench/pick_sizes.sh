#!/usr/bin/env bash
# How long the own X11 picker takes to appear on screens of three sizes: bench_pick's
# PickerOnScreen (from asking to pick to the loupe's first picture seen by the X server) on a
# private Xvfb of 1280 x 800, 3840 x 2160 and 7680 x 2160 (two 4K monitors side by side).
#
#   bash bench/pick_sizes.sh [ROUNDS]     (default 5 rounds of 30 picks for each size)
#
# TINTWELL_BASELINE=path adds another bench_pick (an earlier build's) to the turns, alternating
# with this one, to compare in the same run. Prints the median and the lowest of the rounds'
# means, in ms.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
names=(this)
programs=("${BENCH_PICK:-$root/build/bench/bench_pick}")
if [ -n "${TINTWELL_BASELINE:-}" ]; then
    names+=(baseline)
    programs+=("$TINTWELL_BASELINE")
fi
for program in "${programs[@]}"; do
    [ -x "$program" ] || { echo "no $program: TINTWELL_BUILD_TARGET=bench_pick scripts/build.sh" >&2; exit 2; }
done
work=$(mktemp -d /tmp/tintwell-pick-sizes.XXXXXX)
xvfb=""
stop_xvfb() {
    [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; }
    xvfb=""
}
trap 'stop_xvfb; rm -rf "$work"' EXIT

# Starts a private Xvfb of the given size; DISPLAY names it.
start_xvfb() {
    local fd n=""
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "$1x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    read -r -t 30 -u "$fd" n || { echo "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")" >&2; exit 1; }
    exec {fd}<&-
    export DISPLAY=:$n
}

sizes=(1280x800 3840x2160 7680x2160)
for size in "${sizes[@]}"; do
    start_xvfb "$size"
    for round in $(seq "$rounds"); do
        for k in "${!names[@]}"; do
            ms=$(QT_QPA_PLATFORM=xcb "${programs[$k]}" --benchmark_filter='^PickerOnScreen/' \
                --benchmark_format=csv 2>/dev/null | awk -F, '$1 ~ /PickerOnScreen/ {print $3}')
            [ -n "$ms" ] || { echo "${names[$k]} gave no figure at $size" >&2; exit 1; }
            echo "$size ${names[$k]} $ms" >>"$work/results"
        done
        printf '\r%s %d/%d' "$size" "$round" "$rounds" >&2
    done
    stop_xvfb
done
printf '\r%40s\r' "" >&2

echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'); load:$(uptime | sed 's/.*load average://')"
echo "$rounds rounds of 30 picks each, alternating; ms from asking to pick to the loupe on the screen"
printf '%-10s' size
for name in "${names[@]}"; do printf ' %18s' "$name median (min)"; done
echo
for size in "${sizes[@]}"; do
    printf '%-10s' "$size"
    for name in "${names[@]}"; do
        awk -v s="$size" -v p="$name" '$1 == s && $2 == p {print $3}' "$work/results" | sort -g |
            awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf " %11.1f (%4.1f)", m, v[1]}'
    done
    echo
done
