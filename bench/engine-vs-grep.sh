#!/usr/bin/env bash
# The engine's speed targets, measured in one run:
#   1. search, hit-heavy (the two designed texts, text output) against
#      `grep -F -e TEXT0 -e TEXT1 LOG | cat`, and hit-rare (two texts that never occur) against
#      `grep -cF -e X -e Y LOG | cat`, side by side at 100,000 and 1,000,000 lines, with peak RSS;
#   2. record of a 1,000,000-line log whose every line is a hit, into the history that a first
#      record run left: time, peak RSS and the history file's size;
#   3. split downloads of one host, 400,000 hits 7 s apart, in forward and in reverse time order.
#
#   bench/engine-vs-grep.sh                  # RUNS=10 timed runs a command
#   BUILD=build/core bench/engine-vs-grep.sh # measure an existing build instead of build-bench
#
# Logs come from genlog.py (GENLOG=path; seed 7 for the search, 3 and 4 for record) and stay in
# bench/data/, which git ignores. Everything is piped through cat: GNU grep stops at its first
# match when its output is /dev/null.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
data="$root/bench/data"
runs=${RUNS:-10}
text0="GET /quarnel/shareware/pelmor.exe"
text1="GET /quarnel/shareware/pelmor.zip"
never0="GET /never/occurs-0"
never1="GET /never/occurs-1"

genlog=${GENLOG:-}
for candidate in "$root/../shared/bench/genlog.py" "$root/../../shared/bench/genlog.py"; do
    [ -z "$genlog" ] && [ -r "$candidate" ] && genlog=$candidate
done
[ -n "$genlog" ] || { echo "genlog.py not found: set GENLOG" >&2; exit 1; }

if [ -z "${BUILD:-}" ]; then
    "$root/scripts/install-deps.sh" --extras
    build="$root/build-bench"
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTALLYWICK_GUI=OFF -DBUILD_TESTING=OFF \
        -DTALLYWICK_BENCH=ON >/dev/null
    cmake --build "$build" -j2 --target tallywick-cli >/dev/null
else
    build=$(cd "$BUILD" && pwd)
fi
cli="$build/src/cli/tallywick-cli"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$data"

log_for() { # lines seed
    local file="$data/genlog-$1-seed$2.log"
    [ -s "$file" ] || python3 "$genlog" "$1" "$file" "$2" >/dev/null
    echo "$file"
}

# Peak resident memory in MB of one command (run through sh; the largest process counts).
peak_rss() {
    /usr/bin/time -v sh -c "$1" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }'
}

# Median seconds of each command, all measured in one hyperfine run.
medians() {
    hyperfine --style none --warmup 2 --runs "$runs" --export-json "$scratch/run.json" "$@" >/dev/null 2>&1
    python3 -c 'import json,sys; [print(r["median"]) for r in json.load(open(sys.argv[1]))["results"]]' \
        "$scratch/run.json"
}

echo "== search: hit-heavy and hit-rare against grep ($runs runs, medians)"
printf '%-10s %-6s %12s %10s %10s %8s %12s %12s\n' lines case "tallywick s" "grep s" "x grep" "hits" "tw RSS MB" "grep RSS MB"
for lines in 100000 1000000; do
    log=$(log_for "$lines" 7)
    cat "$log" >/dev/null
    heavy_tw="'$cli' search '$log' | cat >/dev/null"
    heavy_grep="grep -F -e '$text0' -e '$text1' '$log' | cat >/dev/null"
    rare_tw="'$cli' search '$log' --find '$never0' --find '$never1' | cat >/dev/null"
    rare_grep="grep -cF -e '$never0' -e '$never1' '$log' | cat >/dev/null"
    mapfile -t s < <(medians "$heavy_tw" "$heavy_grep" "$rare_tw" "$rare_grep")
    hits=$("$cli" search "$log" | awk 'NR == 1 { print $3 }')
    printf '%-10s %-6s %12.4f %10.4f %10.2f %8s %12s %12s\n' "$lines" heavy "${s[0]}" "${s[1]}" \
        "$(awk -v a="${s[0]}" -v b="${s[1]}" 'BEGIN { print a / b }')" "$hits" \
        "$(peak_rss "$heavy_tw")" "$(peak_rss "$heavy_grep")"
    printf '%-10s %-6s %12.4f %10.4f %10.2f %8s %12s %12s\n' "$lines" rare "${s[2]}" "${s[3]}" \
        "$(awk -v a="${s[2]}" -v b="${s[3]}" 'BEGIN { print a / b }')" 0 \
        "$(peak_rss "$rare_tw")" "$(peak_rss "$rare_grep")"
done

echo
echo "== record: 1,000,000 lines, every line a hit, into the history of a first run"
first=$(log_for 1000000 3)
second=$(log_for 1000000 4)
folder="$scratch/data"
config="$scratch/Tallywick.ini"
printf '[Settings]\nCombo10_0=GET /\nCombo11_0=%s\n' "$never0" >"$config"
common=(--data-dir "$folder" --config "$config" --today 2005-02-15)
"$cli" track add / "${common[@]}" >/dev/null
"$cli" record "$first" --time-limit 24 "${common[@]}" >/dev/null
cp -r "$folder" "$scratch/after-first"
record="'$cli' record '$second' --time-limit 24 --data-dir '$folder' --config '$config' --today 2005-02-15 >/dev/null"
restore="rm -rf '$folder' && cp -r '$scratch/after-first' '$folder'"
hyperfine --style none --runs 3 --prepare "$restore" --export-json "$scratch/record.json" "$record" >/dev/null 2>&1
seconds=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["median"])' "$scratch/record.json")
eval "$restore"
rss=$(peak_rss "$record")
history_mb=$(awk -v b="$(stat -c %s "$folder/history.dat")" 'BEGIN { printf "%.1f", b / 1e6 }')
records=$(awk 'END { print NR }' "$folder/history.dat")
printf 'second record run: %.3f s (median of 3), peak RSS %s MB; history.dat %s MB, %s records\n' \
    "$seconds" "$rss" "$history_mb" "$records"

echo
echo "== split downloads of one host: 400,000 hits 7 s apart"
python3 - "$data" <<'PY'
import datetime, os, sys
folder = sys.argv[1]
start = datetime.datetime(2004, 12, 5)
line = '203.0.113.45 - - [%s -0800] "GET /quarnel/shareware/pelmor.zip HTTP/1.1" 200 48213 "-" "Agent/1.0"\n'
times = [(start + datetime.timedelta(seconds=7 * i)).strftime('%d/%b/%Y:%H:%M:%S') for i in range(400000)]
for name, order in (('forward', times), ('reverse', times[::-1])):
    path = os.path.join(folder, 'one-host-400k-%s.log' % name)
    if not os.path.exists(path):
        with open(path, 'w') as out:
            out.writelines(line % t for t in order)
PY
mapfile -t s < <(medians "'$cli' search '$data/one-host-400k-forward.log' | cat >/dev/null" \
    "'$cli' search '$data/one-host-400k-reverse.log' | cat >/dev/null")
printf 'forward %.4f s, reverse %.4f s (x %.2f)\n' "${s[0]}" "${s[1]}" \
    "$(awk -v a="${s[1]}" -v b="${s[0]}" 'BEGIN { print a / b }')"
