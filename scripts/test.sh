#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# native core tests (under sanitizers), every fuzz target over its corpus
# and the Windows tests under Wine, each part told with the time it took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

started=$SECONDS
part() {
  echo "== $1 (at $((SECONDS - started)) s)"
}

"$root/scripts/install-deps.sh"
"$root/scripts/check-layers.sh"
part "Build"
"$root/scripts/build.sh" --native

part "Native tests"
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)"

part "Fuzz targets over their corpora"
"$root/scripts/fuzz.sh" --check

part "Windows tests under Wine"
"$root/scripts/run-wine-tests.sh"
part "All passed"
