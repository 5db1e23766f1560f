#!/usr/bin/env bash
# Fails when a file of the component includes a header of a higher layer.
# The layers, lowest first (a file may include its own layer and those below):
#   platform/database  platform/drawing  platform/boards
#   outside/utilities  outside/operands  outside (HostServices.h)
#   core  interfaces  elements  strips  editing  compiler  exchange  tools  editor
# outside/headless is a host: only apps/, bench/ and tests/ may include it.
# apps/, bench/ and tests/ stand above all and are not checked.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(platform/database platform/drawing platform/boards outside/utilities outside/operands outside
        core interfaces elements strips editing compiler exchange tools editor)

# The layer of a path: the longest entry of $layers that is a folder prefix.
layer_index() {
  local path=$1 best=-1 best_len=0 i
  for i in "${!layers[@]}"; do
    local l=${layers[$i]}
    if [[ $path == "$l"/* ]] && ((${#l} > best_len)); then best=$i best_len=${#l}; fi
  done
  echo "$best"
}

status=0
while IFS= read -r file; do
  [[ $file == outside/headless/* ]] && continue
  own=$(layer_index "$file")
  ((own >= 0)) || continue
  while IFS= read -r included; do
    if [[ $included == outside/headless/* ]]; then
      echo "layer violation: $file includes the headless host $included" >&2
      status=1
      continue
    fi
    target=$(layer_index "$included")
    if ((target > own)); then
      echo "layer violation: $file (${layers[$own]}) includes $included (${layers[$target]})" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp')

if ((status == 0)); then echo "check-layers: every include points down"; fi
exit $status
