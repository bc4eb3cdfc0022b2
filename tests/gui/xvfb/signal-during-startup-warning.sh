#!/usr/bin/env bash
# The desktop program on a real display with a window manager: SIGTERM while its start-up
# warning waits for an answer must save and end it, quietly, without another box.
#   signal-during-startup-warning.sh PATH-TO-tallywick
# Exit 77 (skipped) when Xvfb, openbox or xdotool is missing (scripts/install-deps.sh --extras).
set -uo pipefail

program=$1
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
started=()
cleanup() {
  # SIGTERM first, so that Xvfb removes its lock file; a program that hangs ignores it (the
  # fault under test) and is killed.
  for pid in "${started[@]}"; do kill -TERM "$pid" 2>/dev/null; done
  for _ in $(seq 20); do
    alive=0
    for pid in "${started[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
    [ "$alive" -eq 0 ] && break
    sleep 0.1
  done
  for pid in "${started[@]}"; do kill -KILL "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb takes a display number nobody uses and writes it once it answers.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
started+=($!)
sleep 0.5

# A history that cannot be read (a folder), and the report searched at every activation.
mkdir -p "$work/data/history.dat"
cat >"$work/Tallywick.ini" <<INI
[Settings]
chkSearchFile=1
Path=$work/never-made.txt
INI

QT_QPA_PLATFORM=xcb "$program" --data-dir "$work/data" --config "$work/Tallywick.ini" \
  >"$work/out" 2>"$work/err" &
tallywick=$!
started+=("$tallywick")

timeout 10 xdotool search --sync --onlyvisible --name '^Tallywick$' >/dev/null 2>&1
grep -q "history.dat" "$work/err" && { echo "FAIL: the warning went to stderr, not a box"; exit 1; }
windows=$(xdotool search --onlyvisible --name '^Tallywick$' 2>/dev/null | wc -l)
[ "$windows" -ge 1 ] || { echo "FAIL: the start-up warning did not show"; exit 1; }

kill -TERM "$tallywick"
for _ in $(seq 100); do kill -0 "$tallywick" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$tallywick" 2>/dev/null; then
  echo "FAIL: still running 10 s after SIGTERM; windows open:"
  xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null
  exit 1
fi
wait "$tallywick"
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$work/err"; exit 1; }
grep -q '^chkSearchFile=1' "$work/Tallywick.ini" || { echo "FAIL: the settings were not saved"; exit 1; }
[ -d "$work/data/history.dat" ] || { echo "FAIL: the unreadable history was replaced"; exit 1; }
echo "ended after SIGTERM, settings saved"
