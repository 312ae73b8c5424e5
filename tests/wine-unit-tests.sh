#!/usr/bin/env bash
# Runs the win64 unit tests under Wine with the HTTP test server running natively beside them;
# Windows programs cannot start it themselves, so they find it through VELANTO_TEST_HTTP_PORT.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if command -v python3 >/dev/null; then
  coproc SERVER { exec python3 "$here/net/http_server.py"; }
  if read -r port _ <&"${SERVER[0]}"; then
    export VELANTO_TEST_HTTP_PORT=$port
  fi
fi
bash "$here/wine-run.sh" "$@"
rc=$?
if [ -n "${SERVER_PID:-}" ]; then
  kill "$SERVER_PID" 2>/dev/null
  wait "$SERVER_PID" 2>/dev/null
fi
exit $rc
