#!/usr/bin/env bash
# Checks that each folder includes only itself and the folders below it.
# The program's folders stand on each other so:
#
#   calendar <- common <- controls <- daylists <- settings <- app
#                      <- timesync <------------'
#
# timesync stands beside controls and daylists: it and they need only
# common. Above the program stand cli (zenka-cal, on the day lists), tools
# (the generators, and the helper of the run script, on app), resources
# (zenka.exe's resource scripts, on timesync's icons), bench (on cli), fuzz
# (on app and cli: zenka-cal's arguments are outside text too) and tests (on
# everything).
set -euo pipefail
cd "$(dirname "$0")/.."

# What each folder stands on directly; the folders below those follow.
declare -A stands_on=(
  [calendar]=""
  [common]="calendar"
  [controls]="common"
  [timesync]="common"
  [daylists]="controls"
  [settings]="daylists timesync"
  [app]="settings"
  [cli]="daylists"
  [tools]="app"
  [resources]="timesync"
  [bench]="cli"
  [fuzz]="app cli"
  [tests]="app cli tools"
)

# The folder and everything below it, one a line.
below() {
  echo "$1"
  local lower
  for lower in ${stands_on[$1]}; do below "$lower"; done
}

status=0
for folder in "${!stands_on[@]}"; do
  ok=" $(below "$folder" | sort -u | tr '\n' ' ') "
  while IFS=: read -r file line include; do
    target=${include#*\"}
    target=${target%%/*}
    case "$ok" in
      *" $target "*) ;;
      *) echo "$file:$line: $folder/ must not include $target/" >&2; status=1 ;;
    esac
  done < <(grep -rn --include='*.cpp' --include='*.h' --include='*.inc' --include='*.rc' \
             -E '^#include "[a-z_]+/' "$folder" || true)
done
# A folder left out of the table would go unchecked.
for folder in */; do
  folder=${folder%/}
  case "$folder" in build | scripts | cmake) continue ;; esac
  if [ -z "${stands_on[$folder]+set}" ]; then
    echo "scripts/check-layers.sh: $folder/ has no place in the layers" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "Layers: every folder includes only itself and the folders below it."
exit "$status"
