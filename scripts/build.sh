#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh [release|debug|sanitize]   (default: release)
# Build trees: build/ (release), build-debug/, build-asan/ (ASan + UBSan).
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
case "$flavour" in
  release)  dir=build;       args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLDR_BUILD_STUDIO=ON -DLDR_BUILD_BENCH=ON) ;;
  debug)    dir=build-debug; args=(-DCMAKE_BUILD_TYPE=Debug -DLDR_BUILD_STUDIO=ON) ;;
  sanitize) dir=build-asan;  args=(-DCMAKE_BUILD_TYPE=Debug -DLDR_SANITIZE=ON -DLDR_BUILD_BENCH=OFF -DLDR_BUILD_STUDIO=OFF) ;;
  *) echo "usage: $0 [release|debug|sanitize]" >&2; exit 2 ;;
esac

jobs=${LDR_JOBS:-2}
# Progress goes to stderr; stdout carries only the build folder.
cmake -S . -B "$dir" -G Ninja "${args[@]}" >&2
cmake --build "$dir" -j "$jobs" >&2
echo "$dir"
