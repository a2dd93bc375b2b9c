#!/usr/bin/env bash
# Start-up memory per mapping: which libraries' pages and which heaps a build holds one second
# after its first frame, beside an earlier build. Both run in turn in a private Xvfb with
# openbox, as in bench/startup.sh; each run's /proc/PID/smaps is kept and the medians per
# mapping are compared (bench/startup/smaps_by_mapping.py).
#
#   TINTWELL_BASELINE=path bash bench/startup_memory.sh [RUNS]   (default 7; TINTWELL=path as
#                                                                 for bench/startup.sh)
# Set SMAPS_MIN=KiB to show smaller differences (default 64); the floor (an empty window) is
# compared with tintwell too, for what tintwell holds over it. TINTWELL_BENCH_BUS=1 as for
# bench/startup.sh.
set -euo pipefail
[ -n "${TINTWELL_BASELINE:-}" ] || { echo "TINTWELL_BASELINE=path names the build to compare with" >&2; exit 2; }
runs=${1:-7}
extra_targets=(startup_watch)
# shellcheck source=bench/startup/programs.sh
source "$(dirname "$0")/startup/programs.sh"
watch=$build/bench/startup/startup_watch
for i in $(seq "$runs"); do
    for k in "${!names[@]}"; do
        case ${names[$k]} in widgets | designed) continue ;; esac
        for _ in 1 2 3 4 5; do
            # shellcheck disable=SC2086 # a command with its argument
            STARTUP_WATCH_SMAPS=$WORK/${names[$k]}.$i.smaps "$watch" ${commands[$k]} >/dev/null && break
        done
    done
    printf '\r%d/%d' "$i" "$runs" >&2
done
printf '\r' >&2
by_mapping=$root/bench/startup/smaps_by_mapping.py
python3 "$by_mapping" --min "${SMAPS_MIN:-64}" tintwell "$WORK"/tintwell.*.smaps -- baseline "$WORK"/baseline.*.smaps
echo
python3 "$by_mapping" --min "${SMAPS_MIN:-64}" tintwell "$WORK"/tintwell.*.smaps -- floor "$WORK"/floor.*.smaps
