#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds Tallywick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
exec "$build/src/cli/tallywick-cli" search examples/sample-report.txt "$@"
