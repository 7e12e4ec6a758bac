#!/usr/bin/env bash
# Builds Zenka: the Windows programs and their tests (build/win) and, with
# --native, the native core, its tests and zenka-cal (build/native, under
# sanitizers). With --program only what scripts/run.sh runs: zenka.exe with
# its icons and help file, and zenka-show-calendar.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

native=0
targets=()
for arg in "$@"; do
  case "$arg" in
    --native) native=1 ;;
    --program) targets=(--target zenka zenka-show-calendar zenka_help) ;;
    *) echo "usage: $0 [--native] [--program]" >&2; exit 2 ;;
  esac
done

# A compiler cache, where the machine has one, makes rebuilds of other
# checkouts quick; nothing depends on it. It keeps the test programs'
# precompiled headers only when told that their time macros, definitions
# and fresh time stamps do not matter; the launcher tells it, so that
# builds started without this script (cmake --build) find the same cache.
launcher=()
command -v ccache >/dev/null &&
  launcher=("-DCMAKE_CXX_COMPILER_LAUNCHER=env;CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime;ccache")

if ((native)); then
  cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENKA_SANITIZE=ON "${launcher[@]}" >/dev/null
  cmake --build "$root/build/native"
fi
cmake -S "$root" -B "$root/build/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" "${launcher[@]}" >/dev/null
cmake --build "$root/build/win" "${targets[@]}"
