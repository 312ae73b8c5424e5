#!/usr/bin/env bash
# The win64 unit tests that need the HTTP test server: Wine cannot start Linux programs, so the
# server is started here and its port handed over in VELANTO_TEST_HTTP_PORT.
set -euo pipefail
build=$(cd "$1" && pwd)
[ "$2" = wine ] || exit 77  # the native unit tests start the server themselves
here=$(cd "$(dirname "$0")" && pwd)

fifo=$(mktemp -u)
mkfifo "$fifo"
python3 "$here/http_server.py" > "$fifo" &
server_pid=$!
trap 'kill $server_pid 2>/dev/null; rm -f "$fifo"' EXIT
read -r port _ < "$fifo"

export VELANTO_TEST_HTTP_PORT=$port
out=$(VELANTO_WINE_BUILD=$build bash "$here/../wine-run.sh" "$build/tests/unit_tests.exe" \
      --gtest_filter='*Http*:-HttpStaticPage.*' 2>&1) || { echo "$out"; exit 1; }
echo "$out"
! grep -q '\[  PASSED  \] 0 tests' <<<"$out" && ! grep -q 'no HTTP test server' <<<"$out"
