#!/usr/bin/env bash
# How close zenka.exe --measure-clock comes to a server's clock: for each
# offset, a server on 127.0.0.1 whose Date header runs that far ahead of
# this machine's clock (bench/sync_accuracy_server.py, stopped by this
# script and by itself after two minutes at the latest), measured under
# Wine in a throwaway prefix; prints each error and the largest. The clock
# is never set: the measuring mode only measures.
#   bench/sync_accuracy.sh [zenka.exe] [runs per offset]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/win/app/zenka.exe}
runs=${2:-3}
offsets=(0.05 0.25 0.5 0.75 0.95 3.3 -2.6)

source "$root/scripts/wine-env.sh"
prefix=$zenka_wine/bench-$$
work=$(mktemp -d)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  rm -rf "$prefix" "$work"
}
trap cleanup EXIT
zenka_wine_prefix "$prefix"
export WINEPREFIX=$prefix
wineserver -p

worst=0
printf '%8s %10s %10s %10s\n' offset measured error bound
for offset in "${offsets[@]}"; do
  python3 "$root/bench/sync_accuracy_server.py" "$offset" 120 >"$work/port" &
  server=$!
  for ((i = 0; i < 50; i++)); do
    [ -s "$work/port" ] && break
    sleep 0.1
  done
  port=$(head -1 "$work/port")
  for ((run = 0; run < runs; run++)); do
    # WinHTTP under Wine reaches a plain local server over http only.
    line=$(timeout 60 wine "$exe" --measure-clock "http://127.0.0.1:$port/" 2>/dev/null | tr -d '\r' |
      grep '^offset=' || true)
    if [ -z "$line" ]; then
      echo "offset $offset: no result" >&2
      exit 1
    fi
    measured=$(sed -E 's/^offset=([-+0-9.]+) bound=.*/\1/' <<<"$line")
    bound=$(sed -E 's/.* bound=([0-9.]+)$/\1/' <<<"$line")
    error=$(awk -v m="$measured" -v o="$offset" 'BEGIN { e = m - o; if (e < 0) e = -e; printf "%.3f", e }')
    printf '%8s %10s %10s %10s\n' "$offset" "$measured" "$error" "$bound"
    worst=$(awk -v a="$worst" -v b="$error" 'BEGIN { print (b > a ? b : a) }')
  done
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  server=
  : >"$work/port"
done
echo "largest error: $worst s (target 0.020 s)"
