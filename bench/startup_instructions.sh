#!/usr/bin/env bash
# Start-up in instructions: a count that does not depend on what else the machine is doing,
# beside the timings of bench/startup.sh. Each program (the floors and tintwell) runs once under
# callgrind in a private Xvfb with openbox; one second after its window is visible the count so
# far (all its threads) is taken and the program is killed. Printed: the total and the share of
# the libraries where the programs differ.
#
#   bash bench/startup_instructions.sh        (needs valgrind; TINTWELL=path, TINTWELL_BASELINE=path
#                                              as for bench/startup.sh)
set -euo pipefail
command -v valgrind >/dev/null || { echo "needs valgrind (apt-get install valgrind)" >&2; exit 2; }
extra_targets=()
# shellcheck source=bench/startup/programs.sh
source "$(dirname "$0")/startup/programs.sh"
libs=(libfontconfig libfreetype libharfbuzz libQt6Gui libQt6Widgets libQt6Core libc.so ld-linux)
printf '%-9s %9s' program "total"
for l in "${libs[@]}"; do printf ' %9s' "${l#lib}"; done
printf '   (millions of instructions)\n'
for k in "${!names[@]}"; do
    out=$WORK/${names[$k]}
    # shellcheck disable=SC2086 # a command with its argument
    valgrind --tool=callgrind --callgrind-out-file="$out.%p" ${commands[$k]} >/dev/null 2>"$out.log" &
    pid=$!
    PIDS+=("$pid")
    xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    sleep 1
    callgrind_control --dump=shown "$pid" >/dev/null 2>&1
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    dump=$(grep -l 'Trigger: dump shown' "$out".*)
    # Own instructions per function, summed per library.
    callgrind_annotate --threshold=100 "$dump" | awk -v libs="${libs[*]}" -v name="${names[$k]}" '
        BEGIN {n = split(libs, l, " ")}
        /^ *[0-9,]+ .*PROGRAM TOTALS/ {gsub(",", "", $1); total = $1}
        /\[.*\]$/ {gsub(",", "", $1); for (i = 1; i <= n; i++) if (index($NF, "/" l[i])) s[i] += $1}
        END {printf "%-9s %9.1f", name, total / 1e6; for (i = 1; i <= n; i++) printf " %9.1f", s[i] / 1e6; printf "\n"}'
done
