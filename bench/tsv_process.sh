#!/usr/bin/env bash
# Times zenka-cal --tsv 1900-01-01 2100-12-31 as a whole process, start-up
# and output included, with hyperfine where the machine has it and by
# repeated runs otherwise. Pass other zenka-cal executables to compare them
# (the first is the one of build/bench, see README.md).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
programs=("$@")
((${#programs[@]})) || programs=("$root/build/bench/cli/zenka-cal")
args=(--tsv 1900-01-01 2100-12-31)

if command -v hyperfine >/dev/null; then
  commands=()
  for program in "${programs[@]}"; do commands+=("$program ${args[*]}"); done
  exec hyperfine -N --warmup 5 --runs 50 "${commands[@]}"
fi
for program in "${programs[@]}"; do
  runs=50
  best=
  total=0
  for ((i = 0; i < runs; ++i)); do
    start=$(date +%s%N)
    "$program" "${args[@]}" >/dev/null
    took=$((($(date +%s%N) - start) / 1000))
    total=$((total + took))
    [ -z "$best" ] || [ "$took" -lt "$best" ] && best=$took
  done
  printf '%s: mean %d.%03d ms, best %d.%03d ms over %d runs\n' "$program" $((total / runs / 1000)) \
    $((total / runs % 1000)) $((best / 1000)) $((best % 1000)) "$runs"
done
