#!/usr/bin/env bash
# The HTTP client against nginx serving plain files: runs the HttpStaticPage unit tests natively
# or under Wine, with nginx on a free loopback port.
set -euo pipefail
build=$(cd "$1" && pwd)
flavour=$2
here=$(cd "$(dirname "$0")" && pwd)
command -v nginx >/dev/null || { echo "nginx missing"; exit 1; }

work=$(mktemp -d)
nginx_pid=
cleanup() {
  [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/root/velanto" "$work/root/rv" "$work/logs"
printf '19/06/2024\r\n<html><body>velanto</body></html>\r\n' > "$work/root/velanto/update-as.html"
python3 -c 'import sys; sys.stdout.buffer.write(bytes(i % 251 for i in range(1048576)))' \
  > "$work/root/rv/velanto-as.zip"
chmod -R a+rX "$work"

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
user_line=
[ "$(id -u)" = 0 ] && user_line="user root;"
cat > "$work/nginx.conf" <<CONF
$user_line
daemon off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/logs/error.log;
events { worker_connections 64; }
http {
  access_log off;
  client_body_temp_path $work/body;
  proxy_temp_path $work/proxy;
  fastcgi_temp_path $work/fastcgi;
  uwsgi_temp_path $work/uwsgi;
  scgi_temp_path $work/scgi;
  types { text/html html; application/zip zip; }
  server {
    listen 127.0.0.1:$port;
    root $work/root;
  }
}
CONF
nginx -c "$work/nginx.conf" -p "$work" &
nginx_pid=$!
for _ in $(seq 50); do
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
  sleep 0.1
done

export VELANTO_TEST_NGINX_PORT=$port
filter='HttpStaticPage.*'
if [ "$flavour" = wine ]; then
  out=$(VELANTO_WINE_BUILD=$build bash "$here/../wine-run.sh" "$build/tests/unit_tests.exe" \
        --gtest_filter="$filter" 2>&1) || { echo "$out"; exit 1; }
else
  out=$("$build/tests/unit_tests" --gtest_filter="$filter" 2>&1) || { echo "$out"; exit 1; }
fi
echo "$out"
# Every test must have run against the server, none skipped.
grep -q '\[  PASSED  \] 5 tests' <<<"$out" && ! grep -q SKIPPED <<<"$out"
