#!/usr/bin/env bash
# Builds the libFuzzer target with clang (the engine has no Qt, so its sources are compiled
# straight in), seeds a corpus from a real access log and runs it once at each vector level of
# the byte scans, one after another on the same corpus.
#
#   fuzz/run-fuzz.sh [SECONDS] [extra libFuzzer options]   # SECONDS per level, default 300
#   LEVELS="sse2" fuzz/run-fuzz.sh 120                      # only some levels (scalar sse2 avx2)
#   fuzz/run-fuzz.sh 0 CRASH-FILE                          # replays one input at every level
#
# Each run's log is build-bench/fuzz/LEVEL.log; a summary line per level is printed at the end.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-bench/fuzz"
corpus="$root/fuzz/corpus"
seconds=${1:-300}
shift || true
levels=${LEVELS:-scalar sse2 avx2}

"$root/scripts/install-deps.sh" --extras
mkdir -p "$out" "$corpus"

clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Wall -Wextra -I "$root/src" -I "$root/tests" \
    "$root/fuzz/fuzz_search.cpp" "$root"/src/core/log/*.cpp "$root"/src/core/search/*.cpp \
    -o "$out/fuzz_search"

# Seeds: eight control bytes, then one line, a few lines, or a few lines with CR LF ends.
seed_log="${SEED_LOG:-$out/seed.log}"
[ -n "${SEED_LOG:-}" ] || zcat "$root/tests/data/real-apache-access.log.gz" >"$seed_log"
if [ -z "$(ls -A "$corpus")" ] && [ -r "$seed_log" ]; then
    controls=('\x00\x00\x00\x00\x00\x00\x00\x00' '\x01\x02\x03\x04\x05\x06\x07\x08'
              '\x02\x0a\x10\x03\x21\x22\x01\x00' '\x03\x05\x0a\x02\x10\x0a\x1e\x09'
              '\x00\x00\x00\x00\x00\x00\x01\x05' '\x03\x0a\x1f\x01\x00\x00\x0e\x11')
    # awk stops itself: a head closing the pipe early would fail the pipeline (pipefail).
    awk 'NR % 97 == 1 && ++n <= 100' "$seed_log" | split -l 1 -d -a 3 - "$corpus/line-"
    awk 'NR % 400 < 6 && ++n <= 120' "$seed_log" | split -l 6 -d -a 3 - "$corpus/lines-"
    for f in "$corpus"/lines-0*; do sed 's/$/\r/' "$f" >"$f-crlf"; done
    i=0
    for f in "$corpus"/*; do
        { printf "${controls[i % ${#controls[@]}]}"; cat "$f"; } >"$f.seed"
        rm "$f"
        i=$((i + 1))
    done
fi

cd "$out"
status=0
for level in $levels; do
    if [ "$seconds" = 0 ]; then
        TALLYWICK_FUZZ_SIMD=$level ./fuzz_search "$@" || status=$?
        continue
    fi
    echo "== $level: $seconds s"
    if ! TALLYWICK_FUZZ_SIMD=$level ./fuzz_search "$corpus" -dict="$root/fuzz/search.dict" -max_len=8192 \
        -max_total_time="$seconds" -print_final_stats=1 "$@" >"$out/$level.log" 2>&1; then
        status=1
        echo "   FAILED: see $out/$level.log"
        tail -30 "$out/$level.log"
    fi
done

if [ "$seconds" != 0 ]; then
    echo
    printf '%-8s %12s %10s %8s %8s %s\n' level runs "exec/s" cov ft result
    for level in $levels; do
        log="$out/$level.log"
        awk -v level="$level" '
            /stat::number_of_executed_units/ { runs = $2 }
            /stat::average_exec_per_sec/ { speed = $2 }
            /^#[0-9]+/ { for (i = 1; i <= NF; i++) { if ($i == "cov:") cov = $(i + 1); if ($i == "ft:") ft = $(i + 1) } }
            /ERROR|invariant broken|deadly signal/ { bad = 1 }
            END { printf "%-8s %12s %10s %8s %8s %s\n", level, runs, speed, cov, ft, bad ? "FAILED" : "ok" }' "$log"
    done
fi
exit $status
