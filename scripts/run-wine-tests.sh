#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, three at a time: each in a
# slot of its own, with a virtual display and a prefix (made from the
# template) that no other test uses at the same time (scripts/wine-test.sh
# runs each test in its slot). Arguments go to ctest (-R MainWindow, say);
# the long soak runs only when asked for by its label (-L long).
#   ZENKA_WINE_JOBS=N: tests at once. Three on two cores: most tests wait
#   for timers and for Wine much of the time.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

jobs=${ZENKA_WINE_JOBS:-3}
zenka_wine_template

ZENKA_WINE_SLOTS=$(mktemp -d "$zenka_wine/slots-XXXXXX")
export ZENKA_WINE_SLOTS
servers=()
slots=()
cleanup() {
  local slot pid
  for slot in "${slots[@]}"; do zenka_wine_slot_end "$slot"; done
  for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$ZENKA_WINE_SLOTS"
}
trap cleanup EXIT

# A display per slot; each server picks a free number and writes it down.
for ((i = 0; i < jobs; i++)); do
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ZENKA_WINE_SLOTS/display-$i" >/dev/null 2>&1 &
  servers+=($!)
done
ids=()
for ((i = 0; i < jobs; i++)); do
  file=$ZENKA_WINE_SLOTS/display-$i
  for ((tries = 0; tries < 200; tries++)); do
    [ -s "$file" ] && break
    sleep 0.05
  done
  [ -s "$file" ] || { echo "a virtual display did not start" >&2; exit 1; }
  ids+=("$(tr -d '[:space:]' <"$file")")
done
for id in "${ids[@]}"; do
  slots+=("$ZENKA_WINE_SLOTS/$id")
  zenka_wine_slot_start "$ZENKA_WINE_SLOTS/$id"
done
echo "${ids[0]}" >"$ZENKA_WINE_SLOTS/first"
{
  printf '{"version": {"major": 1, "minor": 0}, "local": [{"wine": ['
  for ((i = 0; i < jobs; i++)); do
    ((i == 0)) || printf ', '
    printf '{"id": "%s", "slots": 1}' "${ids[$i]}"
  done
  printf ']}]}\n'
} >"$ZENKA_WINE_SLOTS/resources.json"
# The tests are listed in the first slot, before any runs.
export DISPLAY=:${ids[0]}

case " $* " in
  *" -L "* | *" --label-regex "*) ;;
  *) set -- -LE long "$@" ;;
esac
ctest --test-dir "$zenka_root/build/win" --output-on-failure -j "$jobs" \
  --resource-spec-file "$ZENKA_WINE_SLOTS/resources.json" "$@"
