#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over src/. Takes a few minutes on two cores.
# Usage: scripts/tidy.sh [FILE...]        (default: every source file under src/)
#        scripts/tidy.sh --since REV      (the C++ files changed since REV, tests included)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/tidy
# A compile database made for clang, so that it holds no flag only GCC knows.
if [ ! -f "$build/compile_commands.json" ]; then
  cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DTALLYWICK_GUI=ON >/dev/null
fi
if [ $# -eq 0 ]; then
  mapfile -t files < <(git ls-files 'src/*.cpp')
elif [ "$1" = --since ]; then
  mapfile -t files < <(git diff --name-only --diff-filter=d "${2:?--since needs a revision}" -- 'src/*.cpp' 'tests/*.cpp')
  if [ ${#files[@]} -eq 0 ]; then
    echo "No C++ file changed since $2."
    exit 0
  fi
else
  files=("$@")
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -quiet -p "$build" -j"$(nproc)" "${files[@]}" >"$log" 2>&1 || status=$?
grep -v -E '^(clang-tidy|Running|[0-9]+ warnings? (and [0-9]+ errors? )?generated|Suppressed|Use -header-filter|Error while processing)' "$log" || true
exit "$status"
