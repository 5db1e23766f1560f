#!/usr/bin/env bash
# The main job: builds the project and shows the demo project (created on the
# first run under demo/).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh release >/dev/null
mkdir -p demo
[ -f demo/demo.ldrp ] || build/apps/ldr/ldr new demo/demo.ldrp
build/apps/ldr/ldr info demo/demo.ldrp
