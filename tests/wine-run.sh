#!/usr/bin/env bash
# Runs a Windows program of the win64 build under Wine, headless, in a prefix kept inside the
# build folder. "--init" only prepares the prefix (its first start takes a while).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${VELANTO_WINE_BUILD:-$here/../build/win64}
export WINEPREFIX=${WINEPREFIX:-$(cd "$build" && pwd)/wineprefix}
export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
if [ "${1:-}" = "--init" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w || true
  exit 0
fi
exec "$wine" "$@"
