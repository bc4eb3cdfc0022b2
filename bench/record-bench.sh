#!/usr/bin/env bash
# Measures `tallywick-cli record` of one more day into a large history: the daily job's cost,
# which should follow the day's lines, not the history's size.
#
#   bench/record-bench.sh                       # RUNS=5 timed runs a case
#   GENLOG=path/to/genlog.py bench/record-bench.sh  # the logs of another generator (N OUT SEED)
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
# cli_in DATA-DIR COMMAND [ARGUMENT...]
cli_in() { "$cli" "$2" --data-dir "$1" --config "$scratch/Tallywick.ini" --today "$today" "${@:3}"; }

# make_log LINES SEED OUT START DAYS
make_log() {
    if [ -n "${GENLOG:-}" ]; then
        python3 "$GENLOG" "$1" "$3" "$2" # its own span: 1 Dec 2004 and the ~60 days after
    else
        "$generator" --lines "$1" --seed "$2" --out "$3" --start "$4" --days "$5"
    fi
}
# on_last_day LINES SEED OUT: a log moved onto 30 Jan 2005, in time order
on_last_day() {
    make_log "$1" "$2" "$3.raw" 2005-01-30 1
    sed -E 's#\[[0-9]{2}/[A-Za-z]{3}/[0-9]{4}:#[30/Jan/2005:#' "$3.raw" | sort -s -t '[' -k 2,2 >"$3"
    rm "$3.raw"
}

echo "Making the history (two 1,000,000-line logs recorded)..."
make_log 1000000 3 "$scratch/first.log" 2004-12-01 30
make_log 1000000 4 "$scratch/second.log" 2004-12-31 30
cli_in "$scratch/base" track add / >/dev/null
cli_in "$scratch/base" record "$scratch/first.log" >/dev/null
cli_in "$scratch/base" record "$scratch/second.log" >/dev/null
rm "$scratch/first.log" "$scratch/second.log"
records=$(wc -l <"$scratch/base/history.dat")
bytes=$(stat -c %s "$scratch/base/history.dat")
echo "History: $records records, $((bytes / 1000000)) MB"
history_mb=$((bytes / 1000000))

on_last_day 10000 9 "$scratch/day.log"
make_log 10000 9 "$scratch/spread.log" 2004-12-01 60
on_last_day 1000000 5 "$scratch/worst.log"

printf '\n%-8s %10s %10s %12s\n' case "median s" "peak MB" "added"
for case in day spread worst; do
    prepare="rm -rf '$scratch/run' && cp -a '$scratch/base' '$scratch/run'"
    record="'$cli' record --data-dir '$scratch/run' --config '$scratch/Tallywick.ini' --today $today '$scratch/$case.log' >'$scratch/out.txt'"
    hyperfine --style none --runs "$runs" --prepare "$prepare" --export-csv "$scratch/run.csv" "$record" >/dev/null
    median=$(awk -F, 'NR == 2 { printf "%.3f", $4 }' "$scratch/run.csv")
    sh -c "$prepare"
    peak=$(/usr/bin/time -f %M sh -c "exec $record" 2>&1 >/dev/null | tail -1)
    added=$(($(wc -l <"$scratch/run/history.dat") - records))
    printf '%-8s %10s %10s %12s\n' "$case" "$median" "$((peak / 1024))" "$added"
done
