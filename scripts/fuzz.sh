#!/usr/bin/env bash
# Builds the settings format's libFuzzer target with clang (ASan+UBSan) into build-fuzz/ and
# runs it on a copy of the seed corpus in tests/fuzz/corpus.
#   scripts/fuzz.sh [seconds]       default 120; exits non-zero on any finding
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-120}
out=$root/build-fuzz
mkdir -p "$out"
bin=$out/fuzz_settings_format
src=("$root/src/platform/SettingsStoreFormat.cpp" "$root/tests/fuzz/fuzz_settings_format.cpp")
if [ ! -x "$bin" ] || [ -n "$(find "${src[@]}" "$root/src/platform/SettingsStoreFormat.h" -newer "$bin")" ]; then
    # shellcheck disable=SC2046
    clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -I"$root/src" $(pkg-config --cflags Qt6Core) "${src[@]}" $(pkg-config --libs Qt6Core) -o "$bin"
fi
corpus=$(mktemp -d /tmp/tintwell-fuzz.XXXXXX)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/tests/fuzz/corpus/* "$corpus"/
cd "$out"
log=$out/fuzz.log
status=0
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    "$corpus" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "fuzzing found a problem; the input is in $out (crash-*, timeout-*, leak-*), the log in $log" >&2
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss)' "$log"
