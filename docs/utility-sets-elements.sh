#!/usr/bin/env bash
# Places communication boxes (nets 1 and 2) and second-set boxes (nets 3 to 5) through
# `ldr script`, each configured through its settings dialog and its operand
# dialogs, and renders the reference picture docs/utility-sets-elements.png.
#   docs/utility-sets-elements.sh [path/to/ldr]
set -euo pipefail
cd "$(dirname "$0")/.."
ldr=${1:-build/apps/ldr/ldr}
project=$(mktemp -d)/utility-sets.ldrp
# Net n's element point (x, y) lies at board pixel (14 (x + 2), 14 (14 (n - 1) + y)).
at() { echo "$((14 * ($2 + 2))) $((14 * (14 * ($1 - 1) + $3)))"; }
"$ldr" script - >/dev/null <<SCRIPT
new $project
init 798 1000
load 2
tool ID_ComInit
dialog "port=1;baud=19200"
click $(at 1 1 3)
tool ID_LoadLastHMIPage
click $(at 1 27 3)
tool ID_DB_Read_Line
dialog "table=4"
operand MI 10
operand MI 20
click $(at 2 1 3)
tool ID_ForceOnline
click $(at 2 27 3)
tool ID_AddF
operand MF 1
operand MF 2
operand MF 3
click $(at 3 8 3)
tool ID_CANopenMiniConfig
dialog "node=5"
operand MI 30
operand MI 31
operand MB 32
click $(at 4 8 3)
tool ID_StartTrendToSD
dialog "trend=2;period=60"
operand MB 40
click $(at 5 8 3)
sql "UPDATE LdrStrips SET CompileDirtyBit=0 WHERE FuncID=2"
SCRIPT
"$ldr" render "$project" --func 2 --size 798x1000 -o docs/utility-sets-elements.png
echo "$project"
