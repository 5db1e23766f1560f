#!/usr/bin/env bash
# Builds and runs the whole test suite: once in a release build, once under
# AddressSanitizer + UndefinedBehaviorSanitizer. `--quick` runs only the first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-layers.sh
export QT_QPA_PLATFORM=offscreen

run_suite() {
  local dir
  dir=$(scripts/build.sh "$1" | tail -n 1)
  ctest --test-dir "$dir" --output-on-failure -j 2 --timeout 300
}

run_suite release
if [ "${1:-}" != "--quick" ]; then
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  run_suite sanitize
fi
