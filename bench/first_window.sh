#!/usr/bin/env bash
# With a valid settings file of each size (in kilobytes, made of stored schemes), in a private
# Xvfb with openbox: the time from starting the real program to its first visible window, the
# time from asking the window to close to the program's end (closing writes the file once), and
# the program's peak memory. Prints the median of RUNS runs (default 3) per size.
#   TINTWELL=build-release/src/tintwell bench/first_window.sh [KB...]   default 100 1000 10000 100000
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TINTWELL=${TINTWELL:-$root/build-release/src/tintwell}
runs=${RUNS:-3}
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
[ $# -gt 0 ] || set -- 100 1000 10000 100000

now_ms() { echo $(($(date +%s%N) / 1000000)); }

settings_file() {
    mkdir -p "$(dirname "$CONF")"
    awk -v wanted=$(($1 * 1000)) 'BEGIN {
        head = "[Init]\ncboWhat=\\s4\nOnTop=\\s0\nOptPerf=1\nPN=7\n\n[Pallettes]"
        print head; size = length(head) + 1
        for (n = 0; size < wanted; ++n) {
            line = "Pallette " n "=<BODY BGCOLOR\\=\\#FFFFFF TEXT\\=\\#000000 LINK\\=\\#0000FF " \
                   "VLINK\\=\\#800080 ALINK\\=\\#FF0000>"
            print line; size += length(line) + 1
        }
    }' >"$CONF"
}

visible_window() {
    local w
    for w in $(xdotool search --name '^Tintwell$' 2>/dev/null || true); do
        if xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable'; then echo "$w"; return 0; fi
    done
    return 1
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

start_desktop
printf '%10s %12s %14s %10s %12s\n' "file" "schemes" "first window" "close" "peak memory"
for kb in "$@"; do
    opened=()
    closed=()
    peak=()
    for _ in $(seq "$runs"); do
        settings_file "$kb"
        start=$(now_ms)
        "$TINTWELL" >"$WORK/tintwell.log" 2>&1 &
        TW_PID=$!
        PIDS+=($TW_PID)
        until WID=$(visible_window); do
            kill -0 "$TW_PID" 2>/dev/null || fail "tintwell ended before its window appeared"
            [ $(($(now_ms) - start)) -lt 120000 ] || fail "no window after 120 s"
            sleep 0.01
        done
        opened+=($(($(now_ms) - start)))
        sleep 0.5
        peak+=($(awk '/^VmHWM:/ {print int($2 / 1024)}' "/proc/$TW_PID/status"))
        start=$(now_ms)
        wmctrl -i -c "$WID"
        while kill -0 "$TW_PID" 2>/dev/null; do sleep 0.01; done
        closed+=($(($(now_ms) - start)))
        wait "$TW_PID" || true
        # The file has no [Hole] section, so closing has to write the whole file once.
        grep -q '^radiusY=20$' "$CONF" || fail "closing did not write the hole"
    done
    schemes=$(grep -c '^Pallette ' "$CONF")
    printf '%8s KB %12s %11s ms %7s ms %9s MB\n' "$kb" "$schemes" "$(printf '%s\n' "${opened[@]}" | median)" \
        "$(printf '%s\n' "${closed[@]}" | median)" "$(printf '%s\n' "${peak[@]}" | median)"
done
