#!/usr/bin/env bash
# Start-up benchmark: how long tintwell takes to put its first frame on the screen, and how
# much memory it holds then, against the floor of an empty Qt Widgets window of the same size.
#
#   bash bench/startup.sh [RUNS]        (default 11 runs of each, after one warm-up of each)
#
# Builds tintwell, the floor and the watcher in Release into build-release/ (TINTWELL=path takes
# a tintwell binary instead), starts a private Xvfb with openbox, and runs the two floors and
# tintwell in turn under bench/startup/startup_watch, which times each window from exec to its
# map and to its first drawing, and reads RSS and PSS one second after. tintwell runs with a
# settings file written by a normal close, as after any earlier use. TINTWELL_BENCH_RUNS=1
# also lists every run; TINTWELL_BASELINE=path adds another tintwell binary to the turns (an
# earlier build, to compare in the same run). TINTWELL_BENCH_BUS=1 runs everything under a private
# session bus (dbus-run-session, package dbus-daemon), as on a desktop; without one, Qt's first
# look for the bus tries to start one and fails, which every program pays alike.
set -euo pipefail
runs=${1:-11}
extra_targets=(startup_watch)
# shellcheck source=bench/startup/programs.sh
source "$(dirname "$0")/startup/programs.sh"
watch=$build/bench/startup/startup_watch

results=$WORK/runs.txt
# One timed start; a start the watcher was too slow to follow (status 3) is made again.
measure() {
    local status
    for _ in 1 2 3 4 5; do
        # shellcheck disable=SC2086 # a command with its argument
        "$watch" $1 && return 0 || status=$?
        [ "$status" -eq 3 ] || return "$status"
    done
    return 3
}
for c in "${commands[@]}"; do
    measure "$c" >/dev/null
done
for i in $(seq "$runs"); do
    for k in "${!names[@]}"; do
        # A start the watcher could not time ends the run rather than count as a figure.
        line=$(measure "${commands[$k]}") || { echo "timing ${names[$k]} failed" >&2; exit 1; }
        echo "${names[$k]} $line" >>"$results"
    done
    printf '\r%d/%d' "$i" "$runs" >&2
done
printf '\r' >&2

# Median and minimum of column $2 for program $1.
stat() {
    awk -v p="$1" -v c="$2" '$1 == p {print $c}' "$results" | sort -g |
        awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1]}'
}
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'); load:$(uptime | sed 's/.*load average://'); session bus: $([ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && echo yes || echo none)"
echo "$runs runs each, alternating; times in ms from exec, memory in MiB one second after the first frame"
echo "floor: an empty window; widgets: the same with one control of each kind; designed: those controls in"
echo "tintwell's faces and sizes (bench/startup/startup_floor.cpp)"
printf '%-9s %7s %7s %7s %7s %7s %8s %7s %7s %7s %7s\n' "" mapped shown shown ratio ratio ratio "CPU" "CPU" RSS PSS
printf '%-9s %7s %7s %7s %7s %7s %8s %7s %7s %7s %7s\n' program median median min floor widgets designed median min median median
read -r floor_shown _ < <(stat floor 3)
read -r widgets_shown _ < <(stat widgets 3)
read -r designed_shown _ < <(stat designed 3)
for p in "${names[@]}"; do
    read -r mapped _ < <(stat "$p" 2)
    read -r shown shown_min < <(stat "$p" 3)
    read -r cpu cpu_min < <(stat "$p" 4)
    read -r rss _ < <(stat "$p" 5)
    read -r pss _ < <(stat "$p" 6)
    awk -v p="$p" -v m="$mapped" -v s="$shown" -v smin="$shown_min" -v f="$floor_shown" -v w="$widgets_shown" \
        -v d="$designed_shown" -v c="$cpu" -v cmin="$cpu_min" -v r="$rss" -v q="$pss" \
        'BEGIN {printf "%-9s %7.1f %7.1f %7.1f %7.2f %7.2f %8.2f %7.1f %7.1f %7.1f %7.1f\n", p, m, s, smin, s / f, s / w, s / d, c, cmin, r / 1024, q / 1024}'
done
# Ratios within each turn, which a machine that speeds up or slows down during the run does not tilt.
paired() {
    awk -v a="$1" -v b="$2" '$1 == a {x[++i] = $3} $1 == b {y[++j] = $3} END {for (k = 1; k <= i && k <= j; k++) print x[k] / y[k]}' "$results" |
        sort -g | awk '{v[NR] = $1} END {printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
echo "median of the ratios within each turn, shown: tintwell/widgets $(paired tintwell widgets)," \
    "tintwell/designed $(paired tintwell designed), designed/widgets $(paired designed widgets)"
[ -z "${TINTWELL_BASELINE:-}" ] || echo "tintwell/baseline $(paired tintwell baseline)"
if [ -n "${TINTWELL_BENCH_RUNS:-}" ]; then
    echo "each run (program, mapped ms, shown ms, CPU ms, RSS KiB, PSS KiB):"
    cat "$results"
fi
