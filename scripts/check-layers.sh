#!/usr/bin/env bash
# Every folder of src/ includes only folders below it; fails with the list of
# offending lines. Run by ./test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Lowest first; folders on one line share a level and never include each other.
levels=(
  "core"
  "conditions"
  "engine reduced checking columns stats printing archive"
  "system"
  "ui"
  "windows"
  "shell"
  "app"
)
declare -A rank
for i in "${!levels[@]}"; do
  for d in ${levels[$i]}; do rank[$d]=$i; done
done

# A subsystem's windows (<subsystem>/ui/) sit at the windows level; the main
# window (shell/ui/) above them, since it creates them all.
level_of() {
  local path="$1" top="${1%%/*}"
  if [[ "$path" == shell/ui/* ]]; then
    echo "${rank[shell]}"
  elif [[ "$path" == */ui/* && "$top" != ui ]]; then
    echo "${rank[windows]}"
  else
    echo "${rank[$top]:-}"
  fi
}

bad=0
while IFS= read -r hit; do
  file="${hit%%:*}"
  rel="${file#"$root"/src/}"
  inc="$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$hit")"
  from="$(level_of "$rel")"
  to="$(level_of "$inc")"
  [[ -z "$from" || -z "$to" ]] && continue
  [[ "$(dirname "$rel")" == "$(dirname "$inc")" ]] && continue
  if ((to >= from)); then
    echo "livello sbagliato: $rel include $inc" >&2
    bad=1
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' '#include "' "$root/src")
exit "$bad"
