#!/usr/bin/env bash
# Builds the libFuzzer target with clang (the engine has no Qt, so its sources are compiled
# straight in), seeds a corpus from a real access log and runs it.
#
#   fuzz/run-fuzz.sh [SECONDS] [extra libFuzzer options]     # default 300 seconds
#   fuzz/run-fuzz.sh 0 CRASH-FILE                            # replays one input
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-bench/fuzz"
corpus="$root/fuzz/corpus"
seconds=${1:-300}
shift || true

"$root/scripts/install-deps.sh" --extras
mkdir -p "$out" "$corpus"

clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Wall -Wextra -I "$root/src" -I "$root/tests" \
    "$root/fuzz/fuzz_search.cpp" "$root"/src/core/log/*.cpp "$root"/src/core/search/*.cpp \
    -o "$out/fuzz_search"

# Seeds: eight control bytes, then one line, a few lines, or a few lines with CR LF ends.
seed_log="${SEED_LOG:-$root/../shared/data/real-apache/access.log}"
if [ -z "$(ls -A "$corpus")" ] && [ -r "$seed_log" ]; then
    controls=('\x00\x00\x00\x00\x00\x00\x00\x00' '\x01\x02\x03\x04\x05\x06\x07\x08'
              '\x02\x0a\x10\x03\x21\x22\x01\x00' '\x03\x05\x0a\x02\x10\x0a\x1e\x09'
              '\x00\x00\x00\x00\x00\x00\x01\x05' '\x03\x0a\x1f\x01\x00\x00\x0e\x11')
    awk 'NR % 97 == 1' "$seed_log" | head -100 | split -l 1 -d -a 3 - "$corpus/line-"
    awk 'NR % 400 < 6' "$seed_log" | head -120 | split -l 6 -d -a 3 - "$corpus/lines-"
    for f in "$corpus"/lines-0*; do sed 's/$/\r/' "$f" >"$f-crlf"; done
    i=0
    for f in "$corpus"/*; do
        { printf "${controls[i % ${#controls[@]}]}"; cat "$f"; } >"$f.seed"
        rm "$f"
        i=$((i + 1))
    done
fi

cd "$out"
if [ "$seconds" = 0 ]; then
    exec ./fuzz_search "$@"
fi
exec ./fuzz_search "$corpus" -dict="$root/fuzz/search.dict" -max_len=8192 -max_total_time="$seconds" \
    -print_final_stats=1 "$@"
