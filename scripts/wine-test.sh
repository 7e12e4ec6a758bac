#!/usr/bin/env bash
# Runs one Windows test program under Wine; the build runs its Windows test
# programs through this script (it is their emulator), to list their tests
# and to run each of them.
#
# Under scripts/run-wine-tests.sh the test runs in the prefix of the slot
# ctest gave it: no other test runs in that prefix or on that display at
# the same time, so none shares a registry, a mutex, a tray or a hot key
# with another at once. The tests of a slot follow one another in its
# prefix as each leaves it; one that fails or was stopped may leave
# windows, processes or settings behind, so the slot is made afresh after
# it. Run any other way, the test has a throwaway prefix of its own.
#   scripts/wine-test.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

slot=$(zenka_wine_slot_given)
if [ -z "$slot" ]; then
  zenka_wine_throwaway test
else
  export WINEPREFIX=$slot
  # A test stopped from outside (a time-out, say) could not say so.
  [ ! -e "$slot.busy" ] || zenka_wine_slot_renew "$slot"
  touch "$slot.busy"
fi

# The output goes through a file, shown as it grows: Wine programs the
# test starts (a desktop, when the slot's own is not up yet) keep the file
# open after the test, where they would keep ctest waiting for its pipe.
output=$(mktemp "$zenka_wine/tmp/output-XXXXXX")
wine "$@" </dev/null >"$output" 2>&1 &
program=$!
tail -n +1 -s 0.1 -f --pid="$program" "$output" &
viewer=$!
status=0
wait "$program" || status=$?
wait "$viewer" || true
rm -f "$output"

if [ -n "$slot" ]; then
  [ "$status" -eq 0 ] || zenka_wine_slot_renew "$slot"
  rm -f "$slot.busy"
fi
exit "$status"
