#!/usr/bin/env bash
# Runs the https tests of the time query's client: two TLS servers on
# 127.0.0.1 (openssl s_server), one with an expired certificate and one
# with a current certificate of an unknown authority, both for the name
# "localhost"; the test program under Wine, in a throwaway prefix; then the
# servers are stopped. Wine's TLS cannot serve, so the servers run outside
# it.
#   https_servers.sh <zenka_win_tests.exe>
set -euo pipefail
tests=$1
run_test=$(cd "$(dirname "$0")/../../../scripts" && pwd)/wine-test.sh
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cd "$work"
quiet() { "$@" >/dev/null 2>&1; }
quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -subj "/CN=Zenka Test CA" -days 2
quiet openssl req -newkey rsa:2048 -nodes -keyout server.key -out server.csr -subj "/CN=localhost"
# -days -1: valid until a day before it became valid, which is expired now.
quiet openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days -1 -out expired.pem
quiet openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 1 -out current.pem
# The answer the servers hand out (-HTTP: a whole response from a file of
# this folder), with its length, so the client need not wait for the close.
printf 'HTTP/1.0 200 ok\r\nContent-Type: text/html\r\nContent-Length: 13\r\n\r\n<html></html>' >time.html

# Starts a server on the first free port from $2 and sets $port to it;
# each ends by itself after two minutes at the latest.
serve() {
  local cert=$1
  port=$2
  for ((tries = 0; tries < 50; tries++, port++)); do
    timeout 120 openssl s_server -accept "127.0.0.1:$port" -cert "$cert" -key server.key -HTTP -quiet \
      >/dev/null 2>&1 </dev/null &
    local pid=$!
    sleep 0.3
    if kill -0 "$pid" 2>/dev/null; then
      pids+=("$pid")
      return 0
    fi
  done
  echo "no free port for $cert" >&2
  return 1
}
serve expired.pem $((20000 + RANDOM % 20000))
expired=$port
serve current.pem $((expired + 1))
current=$port
ZENKA_TEST_HTTPS_PORTS="$expired,$current" "$run_test" "$tests" --gtest_filter='WinHttpsClient.*:WinProbeHttps.*'
