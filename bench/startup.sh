#!/usr/bin/env bash
# Start-up benchmark: how long tintwell takes to put its first frame on the screen, and how
# much memory it holds then, against the floor of an empty Qt Widgets window of the same size.
#
#   bash bench/startup.sh [RUNS]        (default 11 runs of each, after one warm-up of each)
#
# Builds tintwell, the floor and the watcher in Release into build-release/ (TINTWELL=path takes
# a tintwell binary instead), starts a private Xvfb with openbox, and runs the floor and tintwell
# alternately under bench/startup/startup_watch, which times each window from exec to its map
# and to its first drawing, and reads RSS and PSS one second after. tintwell runs with a
# settings file written by a normal close, as after any earlier use.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-11}
build=${TINTWELL_BENCH_BUILD_DIR:-$root/build-release}

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
targets=(startup_floor startup_watch)
[ -n "${TINTWELL:-}" ] || targets+=(tintwell)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null
export TINTWELL=${TINTWELL:-$build/src/tintwell}
floor=$build/bench/startup/startup_floor
watch=$build/bench/startup/startup_watch

source "$root/tests/e2e/lib.sh"
start_desktop
# A first start and a normal close leave the settings file that every later start reads.
start_tintwell
close_tintwell

results=$WORK/runs.txt
"$watch" "$floor" >/dev/null
"$watch" "$TINTWELL" >/dev/null
for i in $(seq "$runs"); do
    echo "floor $("$watch" "$floor")" >>"$results"
    echo "tintwell $("$watch" "$TINTWELL")" >>"$results"
    printf '\r%d/%d' "$i" "$runs" >&2
done
printf '\r' >&2

# Median and minimum of column $2 for program $1.
stat() {
    awk -v p="$1" -v c="$2" '$1 == p {print $c}' "$results" | sort -g |
        awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1]}'
}
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'); load:$(uptime | sed 's/.*load average://')"
echo "$runs runs each, alternating; times in ms from exec, memory in MiB one second after the first frame"
printf '%-9s %16s %16s %18s %14s %14s\n' program "shown median" "shown min" "shown/floor" "RSS median" "PSS median"
read -r floor_shown _ < <(stat floor 3)
for p in floor tintwell; do
    read -r shown shown_min < <(stat "$p" 3)
    read -r rss _ < <(stat "$p" 4)
    read -r pss _ < <(stat "$p" 5)
    awk -v p="$p" -v s="$shown" -v smin="$shown_min" -v f="$floor_shown" -v r="$rss" -v q="$pss" \
        'BEGIN {printf "%-9s %16.1f %16.1f %18.2f %14.1f %14.1f\n", p, s, smin, s / f, r / 1024, q / 1024}'
done
for p in floor tintwell; do
    read -r mapped mapped_min < <(stat "$p" 2)
    echo "$p: mapped after $mapped ms (median), $mapped_min ms (min)"
done
echo "each run (program, mapped ms, shown ms, RSS KiB, PSS KiB):"
cat "$results"
