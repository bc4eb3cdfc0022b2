#!/usr/bin/env bash
# Measures `tallywick-cli explain` against `tallywick-cli search` on one generated log (1,000,000
# lines by default): median wall time and peak resident memory of each.
#
#   bench/explain-bench.sh                     # RUNS=5 timed runs a command; builds build-bench
#   LINES=100000 SEED=7 bench/explain-bench.sh
#   BASELINE=/path/to/tallywick-cli bench/explain-bench.sh   # also times that program's search
#
# The log comes from genlog.py (GENLOG=path, default ../shared/bench/genlog.py). Every timed
# command writes to a pipe, as the other benchmarks do.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
data="$root/bench/data"
runs=${RUNS:-5}
lines=${LINES:-1000000}
seed=${SEED:-7}
genlog=${GENLOG:-$root/../shared/bench/genlog.py}
text0="GET /quarnel/shareware/pelmor.exe"
text1="GET /quarnel/shareware/pelmor.zip"

if [ -z "${BUILD:-}" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTALLYWICK_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" -j2 --target tallywick-cli >/dev/null
fi
cli="$build/src/cli/tallywick-cli"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$data"
log="$data/genlog-$lines-$seed.log"
[ -s "$log" ] || python3 "$genlog" "$lines" "$log" "$seed"

median() {
    hyperfine --style none --warmup 1 --runs "$runs" --export-csv "$scratch/run.csv" "$1" >/dev/null
    awk -F, 'NR == 2 { printf "%.3f", $4 }' "$scratch/run.csv"
}
peak_rss() {
    /usr/bin/time -v sh -c "$1" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }'
}

declare -A command=(
    [search]="'$cli' search '$log' --find '$text0' --find '$text1' | cat >/dev/null"
    [search-json]="'$cli' search '$log' --find '$text0' --find '$text1' --json | cat >/dev/null"
    [explain]="'$cli' explain '$log' --find '$text0' --find '$text1' | cat >/dev/null"
    [explain-json]="'$cli' explain '$log' --find '$text0' --find '$text1' --json | cat >/dev/null"
)
order=(search search-json explain explain-json)
if [ -n "${BASELINE:-}" ]; then
    command[baseline-search]="'$BASELINE' search '$log' --find '$text0' --find '$text1' | cat >/dev/null"
    order=(baseline-search "${order[@]}")
fi

printf '%s: %s lines, %s bytes\n' "$log" "$lines" "$(stat -c %s "$log")"
printf '%-16s %10s %12s\n' command seconds "peak RSS MB"
for name in "${order[@]}"; do
    printf '%-16s %10s %12s\n' "$name" "$(median "${command[$name]}")" "$(peak_rss "${command[$name]}")"
done
