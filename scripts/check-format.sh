#!/usr/bin/env bash
# Checks that every C++ file follows .clang-format; prints the offending lines and fails if not.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || scripts/install-deps.sh
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
