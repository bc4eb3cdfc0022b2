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
  # A program that hangs ignores SIGTERM: it is the fault under test.
  for pid in "${started[@]}"; do kill -KILL "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display=
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display"; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
export DISPLAY=$display
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
started+=($tallywick)

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
