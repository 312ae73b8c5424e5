#!/usr/bin/env bash
# The HTTP client against nginx serving plain files: runs the HttpStaticPage unit tests natively
# or under Wine, with nginx on a free loopback port.
set -euo pipefail
build=$(cd "$1" && pwd)
flavour=$2
here=$(cd "$(dirname "$0")" && pwd)
command -v nginx >/dev/null || { echo "nginx missing"; exit 1; }

work=$(mktemp -d)
source "$here/nginx.sh"
cleanup() {
  stop_nginx
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/root/velanto" "$work/root/rv"
printf '19/06/2024\r\n<html><body>velanto</body></html>\r\n' > "$work/root/velanto/update-as.html"
python3 -c 'import sys; sys.stdout.buffer.write(bytes(i % 251 for i in range(1048576)))' \
  > "$work/root/rv/velanto-as.zip"
chmod -R a+rX "$work"

start_nginx "$work"

export VELANTO_TEST_NGINX_PORT=$nginx_port
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
