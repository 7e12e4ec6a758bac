#!/usr/bin/env bash
# Fuzzes every parser of outside text with clang's libFuzzer, under
# AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   scripts/fuzz.sh [SECONDS]          each target for SECONDS seconds (60 by
#                                      default); inputs that reach new code
#                                      are kept for the next run in
#                                      build/fuzz/corpus/<name>/
#   scripts/fuzz.sh --check [SECONDS]  what the test command runs: each
#                                      target over its seed corpus and then
#                                      SECONDS more seconds (3 by default),
#                                      keeping nothing but findings
#
# A target is fuzz/<name>_fuzz.cpp, its seed inputs the files of
# fuzz/corpus/<name>/. An input that makes a target fail is kept in
# fuzz/findings/<name>/; once the fault is mended, it goes into
# fuzz/corpus/<name>/, where every later run tries it again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

check=0
if [ "${1:-}" = --check ]; then
  check=1
  shift
fi
seconds=${1:-$((check ? 3 : 60))}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ $# -gt 1 ]; then
  echo "usage: $0 [--check] [SECONDS]" >&2
  exit 2
fi

((check)) || "$root/scripts/install-deps.sh"

build=$root/build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENKA_FUZZ=ON \
  -DZENKA_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target zenka_fuzzers

# Readable stack traces, wherever the distribution put the symbolizer.
if ! command -v llvm-symbolizer >/dev/null; then
  for symbolizer in /usr/lib/llvm-*/bin/llvm-symbolizer; do
    [ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer
  done
fi
export UBSAN_OPTIONS=print_stacktrace=1

mkdir -p "$build/logs"
failed=()
for source in "$root"/fuzz/*_fuzz.cpp; do
  target=$(basename "$source" .cpp)
  name=${target%_fuzz}
  seeds=$root/fuzz/corpus/$name
  findings=$root/fuzz/findings/$name
  log=$build/logs/$name.log
  mkdir -p "$seeds" "$findings"
  if ((check)); then
    work=$(mktemp -d)
  else
    work=$build/corpus/$name
    mkdir -p "$work"
  fi
  # New inputs go into the first folder only, so the seed corpus stays as
  # it is in the repository.
  started=$SECONDS
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "$seeds" >"$log" 2>&1 || status=$?
  ((check)) && rm -rf "$work"
  runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -1 | grep -o '[0-9]*' || echo "?")
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo "?")
  if [ "$status" -eq 0 ]; then
    printf '%-14s %4d s  %9s runs  %5s edges  %3d seeds  no finding\n' "$name" $((SECONDS - started)) "$runs" \
      "$coverage" "$(find "$seeds" -type f | wc -l)"
  else
    printf '%-14s %4d s  FAILED (exit %d); log: %s\n' "$name" $((SECONDS - started)) "$status" "$log"
    grep -E 'ERROR|runtime error|not so:|SUMMARY|Test unit written' "$log" | head -20 || true
    failed+=("$name")
  fi
  rmdir "$findings" 2>/dev/null || true
done
rmdir "$root/fuzz/findings" 2>/dev/null || true

if ((${#failed[@]})); then
  echo "Fuzzing found faults in: ${failed[*]}. The inputs are in fuzz/findings/; once mended, move them into" \
    "fuzz/corpus/<name>/." >&2
  exit 1
fi
echo "Fuzzing: every target ran without a finding."
