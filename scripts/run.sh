#!/usr/bin/env bash
# The main job: builds the project and opens ldr-studio, the desktop editor,
# on the demo project demo/demo.ldrp (created on the first run).
# Without a display it takes a screenshot of the studio instead
# (demo/studio.png) and prints the project's overview.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh release >/dev/null
mkdir -p demo
[ -f demo/demo.ldrp ] || build/apps/ldr/ldr new demo/demo.ldrp --demo-blocks
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/apps/studio/ldr-studio demo/demo.ldrp
fi
echo "no display: writing a screenshot of ldr-studio to demo/studio.png"
QT_QPA_PLATFORM=offscreen build/apps/studio/ldr-studio demo/demo.ldrp --screenshot demo/studio.png --quit-after-load
build/apps/ldr/ldr info demo/demo.ldrp
