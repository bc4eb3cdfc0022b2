#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds Tallywick (reusing build/test when it
# exists; a fresh clone builds from scratch) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build/test
# ccache, where it is installed, makes a rebuild from scratch quick too.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYWICK_WERROR=ON "${launcher[@]}"
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
