#!/usr/bin/env bash
# Builds a project whose main subroutine holds one net with one box of each
# box family (compare, in-range, the three arithmetic boxes, the direct and
# indirect clocks, store, load, timer and extended store) and renders the
# reference picture docs/box-elements.png from it (two nets: a net holds
# at most 40 rows).
#   docs/box-elements.sh [path/to/ldr]
set -euo pipefail
cd "$(dirname "$0")/.."
ldr=${1:-build/apps/ldr/ldr}
project=$(mktemp -d)/boxes.ldrp
"$ldr" new "$project" >/dev/null

sql() { "$ldr" sql "$project" "$1" >/dev/null; }
n1=$("$ldr" sql "$project" "SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=1")
n2=$("$ldr" sql "$project" "SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=2")
net=$n1
# box TYPE X Y [MORE_PARAMS_LNG [NUMBER_OF_INPUTS]]
box() {
  sql "INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys, MoreParamsLng, NumberOfInputs)
       VALUES ($net, $1, $2, $3, ${4:-0}, ${5:-0})"
}
# operand IN_INDEX OUT_INDEX TYPE ADDRESS: an operand of the last box
operand() {
  sql "INSERT INTO LdrElmsOprs (ElmntID, OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs)
       VALUES ((SELECT MAX(ElmntID) FROM LdrElements), $1, $2, $3, $4)"
  sql "INSERT OR IGNORE INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription)
       VALUES ($3, $4, 0, 'Value $3.$4')"
}

sql "UPDATE LdrStrips SET Height=40 WHERE StripID=$n1"
sql "UPDATE LdrStrips SET Height=20 WHERE StripID=$n2"
box 300 7 2;     operand 1 0 3 1; operand 2 0 3 2
box 405 27 2;    operand 1 0 3 3; operand 2 0 3 4; operand 0 1 3 5
box 1701 7 14;   operand 1 0 3 6; operand 2 0 3 7; operand 3 0 3 8
box 501 27 14;   operand 1 0 3 9; operand 2 0 3 10; operand 3 0 3 11; operand 0 1 3 12
box 700 1 29 $((0x08301745))
box 801 16 29 0 2; operand 1 0 3 13; operand 2 0 3 14
box 1500 32 29;  operand 0 1 3 15
net=$n2
box 900 7 2;    operand 1 0 3 16; operand 0 1 3 17
box 1002 31 2;  operand 1 0 5 18; operand 0 1 5 19
box 1100 7 10;   operand 1 0 3 20; operand 0 1 11 1
box 1903 31 10;  operand 1 0 5 21; operand 2 0 3 22
sql "UPDATE LdrStrips SET CompileDirtyBit=0 WHERE FuncID=2"

"$ldr" render "$project" --func 2 --size 798x840 -o docs/box-elements.png
echo "$project"
