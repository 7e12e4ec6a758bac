#!/usr/bin/env bash
# Checks that each source folder includes only the folders below it:
# calendar <- common <- controls <- daylists <- timesync <- settings <- app.
set -euo pipefail
cd "$(dirname "$0")/.."

allowed() {
  case "$1" in
    calendar) echo "calendar" ;;
    common) echo "calendar common" ;;
    controls) echo "calendar common controls" ;;
    daylists) echo "calendar common controls daylists" ;;
    timesync) echo "calendar common controls daylists timesync" ;;
    settings) echo "calendar common controls daylists timesync settings" ;;
    *) echo "" ;;
  esac
}

status=0
for folder in calendar common controls daylists timesync settings; do
  ok=" $(allowed "$folder") "
  while IFS=: read -r file line include; do
    target=${include#*\"}
    target=${target%%/*}
    case "$ok" in
      *" $target "*) ;;
      *) echo "$file:$line: $folder/ must not include $target/" >&2; status=1 ;;
    esac
  done < <(grep -rn --include='*.cpp' --include='*.h' -E '^#include "[a-z_]+/' "$folder" | sed -E 's/:(#include)/:\1/' || true)
done
[ "$status" -eq 0 ] && echo "Layers: every folder includes only the folders below it."
exit "$status"
