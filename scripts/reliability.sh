#!/usr/bin/env bash
# The long reliability run: N random gesture scripts (default 1000) under
# AddressSanitizer + UndefinedBehaviorSanitizer, with the project invariants
# checked after each, plus the bad-data corpus, the bad files and the
# overlapping editors. The normal suite runs the same tests with a few
# scripts.
#   scripts/reliability.sh [N] [SEED]     (SEED: default from the clock)
#   LDR_RELIABILITY_BUILD=release scripts/reliability.sh ...   (no sanitizers, faster)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts=${1:-1000}
seed=${2:-$(date +%s)}
flavour=${LDR_RELIABILITY_BUILD:-sanitize}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LDR_RELIABILITY_SCRIPTS=$scripts
export LDR_RELIABILITY_SEED=$seed

dir=$(scripts/build.sh "$flavour" | tail -n 1)
echo "reliability run: $scripts scripts, seed $seed, build $dir" >&2
"$dir/tests/test_apps" --gtest_filter='RandomGestures.*:OverlappingEditors.*:Corpus/BadData.*:BadFiles.*'
