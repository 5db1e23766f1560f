#!/usr/bin/env bash
# Builds docs/sample.ldrp: a project whose main subroutine holds every element
# family built so far (contacts, coils, lines, jumps and calls), and renders
# the two reference pictures of docs/ from it.
#   docs/sample-subroutine.sh [path/to/ldr]
set -euo pipefail
cd "$(dirname "$0")/.."
ldr=${1:-build/apps/ldr/ldr}
project=$(mktemp -d)/sample.ldrp
"$ldr" new "$project" >/dev/null

sql() { "$ldr" sql "$project" "$1" >/dev/null; }
strip() { "$ldr" sql "$project" "SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=$1"; }
# element STRIP TYPE X Y [OPERAND_TYPE ADDRESS INDEX_IN INDEX_OUT]
element() {
  sql "INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys) VALUES ($1, $2, $3, $4)"
  if [ $# -gt 4 ]; then
    sql "INSERT INTO LdrElmsOprs (ElmntID, OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs)
         VALUES ((SELECT MAX(ElmntID) FROM LdrElements), $7, $8, $5, $6)"
    # References (labels 29, subroutines 31) are named by what they point at.
    if [ "$5" != 29 ] && [ "$5" != 31 ]; then
      sql "INSERT OR IGNORE INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription)
           VALUES ($5, $6, 0, 'Sample $5.$6')"
    fi
  fi
}
# line STRIP TYPE X Y DX DY
line() { sql "INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys, Dx, Dy) VALUES ($1, $2, $3, $4, $5, $6)"; }

n1=$(strip 1); n2=$(strip 2); n3=$(strip 3)
sql "UPDATE LdrStrips SET Height=8 WHERE StripID IN ($n1, $n2, $n3)"
# Net 1: start AND NOT stop, OR seal-in, drives the motor.
element "$n1" 200 2 3 9 1 1 0
element "$n1" 201 8 3 9 2 1 0
line "$n1" 102 14 3 32 0
element "$n1" 204 46 3 10 1 0 1
element "$n1" 200 2 6 10 1 1 0
line "$n1" 101 8 3 0 3
line "$n1" 102 2 3 0 3
# Net 2: transitions and the set/reset/toggle coils.
element "$n2" 202 2 3 1 5 1 0
line "$n2" 102 8 3 38 0
element "$n2" 206 46 3 1 6 0 1
element "$n2" 203 2 6 1 7 1 0
line "$n2" 102 8 6 38 0
element "$n2" 207 46 6 1 6 0 1
# Net 3: a call and a jump.
element "$n3" 200 2 3 1 8 1 0
line "$n3" 102 8 3 38 0
element "$n3" 601 46 3 31 1 0 1
element "$n3" 201 2 6 1 8 1 0
line "$n3" 102 8 6 38 0
element "$n3" 600 46 6 29 0 0 1
sql "UPDATE LdrStrips SET CompileDirtyBit=0 WHERE FuncID=2 AND SeqNum<>2"

"$ldr" render "$project" --func 1 --scroll 208 --size 798x420 -o docs/new-subroutine.png
"$ldr" render "$project" --func 2 --size 798x420 -o docs/sample-subroutine.png
echo "$project"
