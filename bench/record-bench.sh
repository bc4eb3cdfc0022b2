#!/usr/bin/env bash
# Measures `tallywick-cli record` of one more day into a large history: the daily job's cost,
# which should follow the day's lines, not the history's size.
#
#   bench/record-bench.sh            # RUNS=5 timed runs a case
#
# The history: two generated logs of 1,000,000 lines each (1 Dec 2004 - 29 Jan 2005, every line
# holding the panel text "GET /", tracked item "/", TimeLimit 24), about 1.2 million records.
# The cases:
#   day     10,000 lines on 30 Jan 2005, the day after the last record (only appends)
#   spread  10,000 lines over the history's 60 days (a merge into earlier days)
#   worst   1,000,000 lines on 30 Jan 2005 (every line a new record)
# Each run starts from a copy of the same data folder.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
runs=${RUNS:-5}

"$root/scripts/install-deps.sh" --extras
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTALLYWICK_GUI=OFF -DBUILD_TESTING=OFF -DTALLYWICK_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target tallywick-cli generate-log >/dev/null

cli="$build/src/cli/tallywick-cli"
generator="$build/bench/generate-log"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
today=2005-02-15

printf '[Settings]\nCombo10_0=GET /\nTimeLimit=24\n' >"$scratch/Tallywick.ini"
cli_in() { "$cli" --data-dir "$1" --config "$scratch/Tallywick.ini" --today "$today" "${@:2}"; }

echo "Making the history (two 1,000,000-line logs recorded)..."
"$generator" --lines 1000000 --seed 3 --start 2004-12-01 --days 30 --out "$scratch/first.log"
"$generator" --lines 1000000 --seed 4 --start 2004-12-31 --days 30 --out "$scratch/second.log"
cli_in "$scratch/base" track add / >/dev/null
cli_in "$scratch/base" record "$scratch/first.log" >/dev/null
cli_in "$scratch/base" record "$scratch/second.log" >/dev/null
rm "$scratch/first.log" "$scratch/second.log"
records=$(wc -l <"$scratch/base/history.dat")
bytes=$(stat -c %s "$scratch/base/history.dat")
echo "History: $records records, $((bytes / 1000000)) MB"

"$generator" --lines 10000 --seed 9 --start 2005-01-30 --days 1 --out "$scratch/day.log"
"$generator" --lines 10000 --seed 9 --start 2004-12-01 --days 60 --out "$scratch/spread.log"
"$generator" --lines 1000000 --seed 5 --start 2005-01-30 --days 1 --out "$scratch/worst.log"

printf '\n%-8s %10s %10s %12s\n' case "median s" "peak MB" "added"
for case in day spread worst; do
    prepare="rm -rf '$scratch/run' && cp -a '$scratch/base' '$scratch/run'"
    record="'$cli' --data-dir '$scratch/run' --config '$scratch/Tallywick.ini' --today $today record '$scratch/$case.log' >'$scratch/out.txt'"
    hyperfine --style none --runs "$runs" --prepare "$prepare" --export-csv "$scratch/run.csv" "$record" >/dev/null
    median=$(awk -F, 'NR == 2 { printf "%.3f", $4 }' "$scratch/run.csv")
    sh -c "$prepare"
    peak=$(/usr/bin/time -f %M sh -c "exec $record" 2>&1 >/dev/null | tail -1)
    added=$(($(wc -l <"$scratch/run/history.dat") - records))
    printf '%-8s %10s %10s %12s\n' "$case" "$median" "$((peak / 1024))" "$added"
done
