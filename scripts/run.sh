#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds Tallywick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build/release
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
# Only what it starts: the two programs and the files they look for beside them.
cmake --build "$build" -j"$(nproc)" --target tallywick tallywick-cli tallywick_help tallywick_robots
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Tallywick is a desktop program, and there is no display here (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "Start it from a desktop session, or use the command line: $build/src/cli/tallywick-cli search examples/sample-report.txt" >&2
  exit 1
fi
exec "$build/src/ui/main/tallywick" "$@"
