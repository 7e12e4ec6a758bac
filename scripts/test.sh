#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# native core tests (under sanitizers), every fuzz target over its corpus
# and the Windows tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
"$root/scripts/check-layers.sh"
"$root/scripts/build.sh" --native

echo "== Native tests"
ctest --test-dir "$root/build/native" --output-on-failure

echo "== Fuzz targets over their corpora"
"$root/scripts/fuzz.sh" --check

echo "== Windows tests under Wine"
xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/run-wine-tests.sh"
