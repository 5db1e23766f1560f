#!/usr/bin/env bash
# Builds a project whose main subroutine holds two nets of utility boxes (an
# RS flip-flop, a factor, a linearisation, a vector shift, a step-in-range
# and a PID box) and renders the reference picture docs/utility-elements.png.
#   docs/utility-elements.sh [path/to/ldr]
set -euo pipefail
cd "$(dirname "$0")/.."
ldr=${1:-build/apps/ldr/ldr}
project=$(mktemp -d)/utilities.ldrp
"$ldr" new "$project" >/dev/null

sql() { "$ldr" sql "$project" "$1" >/dev/null; }
n1=$("$ldr" sql "$project" "SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=1")
n2=$("$ldr" sql "$project" "SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=2")
net=$n1
address=0
# box TYPE X Y INPUTS OUTPUTS: a box with an MI operand in every slot
box() {
  sql "INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys) VALUES ($net, $1, $2, $3)"
  for ((i = 1; i <= $4; i++)); do operand "$i" 0; done
  for ((i = 1; i <= $5; i++)); do operand 0 "$i"; done
}
operand() {
  address=$((address + 1))
  sql "INSERT INTO LdrElmsOprs (ElmntID, OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs)
       VALUES ((SELECT MAX(ElmntID) FROM LdrElements), $1, $2, 3, $address)"
  sql "INSERT OR IGNORE INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription)
       VALUES (3, $address, 0, 'Value $address')"
}

sql "UPDATE LdrStrips SET Height=40 WHERE StripID=$n1"
sql "UPDATE LdrStrips SET Height=30 WHERE StripID=$n2"
box 1230 2 2 2 1
box 1204 27 2 3 1
box 1300 2 17 5 1
box 1233 27 17 2 0
net=$n2
box 1256 2 2 7 1
box 1301 27 2 6 2
sql "UPDATE LdrStrips SET CompileDirtyBit=0 WHERE FuncID=2"

"$ldr" render "$project" --func 2 --size 798x1000 -o docs/utility-elements.png
echo "$project"
