#!/usr/bin/env bash
# Runs the Windows build's tests under Wine in a throwaway prefix. Expects a
# display (scripts/test.sh starts a virtual one).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

export WINEPREFIX=$zenka_wine/run-$$
zenka_wine_prefix "$WINEPREFIX"
cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
# A persistent server keeps each test program from waiting for the last
# one's; starting Wine's own services now, with no pipes of ctest's, keeps
# ctest from waiting for them to close its output.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "$zenka_root/build/win" --output-on-failure "$@"
