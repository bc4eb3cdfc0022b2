#!/usr/bin/env bash
# Takes the screenshots that the desktop program's AppStream metadata shows (packaging/screenshots/)
# under Xvfb, from a made-up access log of a year's downloads recorded into a scratch data folder.
# Usage: scripts/take-screenshots.sh [BUILD-DIR]   (default build/test; builds what it needs)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --extras
build=${1:-build/test}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target tallywick tallywick-cli generate-log
out=packaging/screenshots
mkdir -p "$out"

# A plain folder name: the main window's status bar shows the report's path.
scratch=/tmp/tallywick-screenshots
rm -rf "$scratch"
mkdir -p "$scratch"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

# A year of downloads in the history, and a week of them in the report the window searches.
cli=("$build/src/cli/tallywick-cli")
data=(--data-dir "$scratch/data" --config "$scratch/Tallywick.ini")
"$build/bench/generate-log" --lines 60000 --seed 11 --start 2025-12-10 --days 360 --out "$scratch/year.log"
"$build/bench/generate-log" --lines 900 --seed 12 --start 2026-11-28 --days 7 --out "$scratch/access.log"
"${cli[@]}" track add /quarnel/shareware/pelmor.exe "${data[@]}" >/dev/null
"${cli[@]}" track add /quarnel/shareware/pelmor.zip "${data[@]}" >/dev/null
"${cli[@]}" record "$scratch/year.log" "${data[@]}" --today 2026-12-06 >/dev/null
cat >>"$scratch/Tallywick.ini" <<INI
Path=$scratch/access.log
chkSearchFile=1
INI

export DISPLAY=:77
Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

"$build/src/ui/main/tallywick" "${data[@]}" >/dev/null 2>&1 &
pids+=($!)

# shot NAME WINDOW-NAME: the window's picture, small enough to ship.
shot() {
    local window
    window=$(xdotool search --sync --onlyvisible --name "^$2\$" | head -n 1)
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 2
    import -window "$window" -frame "$scratch/$1.png"
    convert "$scratch/$1.png" -strip -colors 256 -define png:compression-level=9 "$out/$1.png"
    identify -format "$1.png: %wx%h, %b\n" "$out/$1.png"
}

shot main-window Tallywick
xdotool key --clearmodifiers alt+s m
shot monthly-chart "Traffic by Month.*"
