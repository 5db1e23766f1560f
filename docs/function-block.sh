#!/usr/bin/env bash
# Places the demo function block through `ldr script` (its configuration
# method, which makes instance 1, then Count and Reset working on that
# instance) and renders the reference picture docs/function-block.png.
#   docs/function-block.sh [path/to/ldr]
set -euo pipefail
cd "$(dirname "$0")/.."
ldr=${1:-build/apps/ldr/ldr}
dir=$(mktemp -d)
"$ldr" new "$dir/blocks.ldrp" --demo-blocks >/dev/null
"$ldr" script - >/dev/null <<SCRIPT
open $dir/blocks.ldrp
init 798 420
load 2
call CreateFunctionBlock 100201
dialog 5
operand MI 1
operand MI 2
click 56 70
call CreateFunctionBlock 100202
dialog 1
operand MI 3
operand MB 4
click 364 70
call CreateFunctionBlock 100203
dialog 1
click 56 266
click 700 380
render docs/function-block.png
SCRIPT
rm -rf "$dir"
