#!/usr/bin/env bash
# HTTP client download throughput from nginx on loopback (a 64 MiB file, 5 rounds).
# usage: bench/http_download.sh [BUILD_DIR]   (default build/linux)
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$src/build/linux}" && pwd)
work=$(mktemp -d)
source "$src/tests/net/nginx.sh"
trap 'stop_nginx; rm -rf "$work"' EXIT
mkdir -p "$work/root/rv"
head -c 67108864 /dev/zero > "$work/root/rv/velanto-as.zip"
chmod -R a+rX "$work"
start_nginx "$work"
"$build/bench/http_download" "http://127.0.0.1:$nginx_port/rv/velanto-as.zip" 5
