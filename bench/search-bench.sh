#!/usr/bin/env bash
# Measures `tallywick-cli search` on generated logs of 100,000 and 1,000,000 lines against
# `grep -cF`, `cat` and goaccess, then runs the engine benchmark when it was built.
#
#   bench/search-bench.sh            # RUNS=10 timed runs a command (goaccess: GOACCESS_RUNS=3)
#
# Every timed command writes to a pipe or a file, never to /dev/null: GNU grep stops at its
# first match when its output is /dev/null.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
data="$root/bench/data"
runs=${RUNS:-10}
goaccess_runs=${GOACCESS_RUNS:-3}
text0="GET /quarnel/shareware/pelmor.exe"
text1="GET /quarnel/shareware/pelmor.zip"

"$root/scripts/install-deps.sh" --extras
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTALLYWICK_GUI=OFF -DBUILD_TESTING=OFF -DTALLYWICK_BENCH=ON >/dev/null
cmake --build "$build" -j2 >/dev/null

cli="$build/src/cli/tallywick-cli"
generator="$build/bench/generate-log"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$data"

# Median wall time in seconds of one command, from hyperfine's CSV export.
median() {
    local count=$1 command=$2
    if ! hyperfine --style none --warmup 2 --runs "$count" --export-csv "$scratch/run.csv" "$command" \
        >/dev/null 2>"$scratch/hyperfine.err"; then
        cat "$scratch/hyperfine.err" >&2
        exit 1
    fi
    awk -F, 'NR == 2 { print $4 }' "$scratch/run.csv"
}

# Peak resident memory in MB of the largest process of one command (run through sh).
peak_rss() {
    /usr/bin/time -v sh -c "$1" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }'
}

for lines in 100000 1000000; do
    log="$data/access-$lines.log"
    if [ ! -s "$log" ] || [ "$generator" -nt "$log" ]; then
        "$generator" --lines "$lines" --seed 1 --out "$log"
    fi
    bytes=$(stat -c %s "$log")

    declare -A command=(
        [tallywick-cli]="$cli search '$log' --find '$text0' --find '$text1' | cat >/dev/null"
        [grep-cF]="grep -cF '$text0' '$log' | cat >/dev/null"
        [cat]="cat '$log' >/dev/null"
        [goaccess]="goaccess '$log' --log-format=COMBINED --no-progress -o '$scratch/report.html' </dev/null"
    )
    declare -A seconds=() rss=()
    for tool in tallywick-cli grep-cF cat goaccess; do
        count=$runs
        [ "$tool" = goaccess ] && count=$goaccess_runs
        seconds[$tool]=$(median "$count" "${command[$tool]}")
        rss[$tool]=$(peak_rss "${command[$tool]}")
    done

    echo
    echo "$(basename "$log"): $lines lines, $(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1e6 }') MB"
    counts=$("$cli" search "$log" --find "$text0" --find "$text1")
    echo "  search: $(echo "$counts" | head -3 | paste -sd' ')"
    printf '  %-14s %10s %12s %9s %14s %8s %11s\n' tool "median s" "lines/s" "MB/s" "peak RSS MB" "x grep" "x goaccess"
    for tool in tallywick-cli grep-cF cat goaccess; do
        awk -v tool="$tool" -v s="${seconds[$tool]}" -v lines="$lines" -v bytes="$bytes" -v rss="${rss[$tool]}" \
            -v grep="${seconds[grep-cF]}" -v goaccess="${seconds[goaccess]}" 'BEGIN {
                printf "  %-14s %10.4f %12.0f %9.0f %14s %8.2f %11.4f\n",
                       tool, s, lines / s, bytes / 1e6 / s, rss, s / grep, s / goaccess }'
    done
    unset command seconds rss
done

if [ -x "$build/bench/engine_bench" ]; then
    echo
    echo "Engine alone (reports in memory; medians of 3):"
    TALLYWICK_BENCH_DATA="$data" "$build/bench/engine_bench" --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true --benchmark_filter='SearchReport|ReportSearchChunks' 2>/dev/null |
        awk '/_median/ { print "  " $0 }'
fi
