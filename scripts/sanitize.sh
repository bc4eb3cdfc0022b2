#!/usr/bin/env bash
# Builds and runs tests under the sanitizers, without the desktop program (Qt's widgets are not
# instrumented and would only add noise):
#   scripts/sanitize.sh address   # AddressSanitizer + UndefinedBehaviorSanitizer: core, app and CLI tests
#   scripts/sanitize.sh thread    # ThreadSanitizer: the history keeper's background merges and closing,
#                                 # the report search's days and blocks read beside it, and the
#                                 # JSON output's hits escaped beside it and read back from the
#                                 # reports on threads of their own
# Each kind builds in build/KIND (reused when it exists).
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-}
case "$kind" in
  address)
    flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
    targets=()
    tests=()
    ;;
  thread)
    flags="-fsanitize=thread"
    # The keeper's tests run real merges on a background thread, cancel them and close; a search
    # of plain reports reads their days, and their blocks ahead, on threads of their own; the
    # JSON output escapes the hits on a thread of its own, and makes what it reads back from the
    # reports on two.
    targets=(--target tallywick_app_history_tests --target tallywick_app_report_tests
      --target tallywick_cli_output_tests)
    tests=(-R 'HistoryKeeper|ReportFile|ReadAhead|JsonSpillSink')
    ;;
  *)
    echo "Usage: $0 address|thread" >&2
    exit 2
    ;;
esac
scripts/install-deps.sh
build=build/$kind
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# -O1: quicker to build than -O2, and the reports' stacks stay readable.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DTALLYWICK_GUI=OFF -DTALLYWICK_WERROR=ON \
  -DCMAKE_CXX_FLAGS="$flags -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$flags" "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/scripts/tsan.supp"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -E '^packaging' "${tests[@]}"
