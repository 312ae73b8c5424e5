#!/usr/bin/env bash
# `xanarc list ARCHIVE MASK` lists what the mask selects, on an archive made by Info-ZIP zip.
set -euo pipefail
build=$(cd "$1" && pwd)
flavour=$2
source_dir=${VELANTO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
command -v zip >/dev/null || { echo "zip is missing"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir -p docs/sub x/docs
for f in a.txt README docs/a.txt docs/sub/b.TXT x/docs/a.txt; do echo "$f" >"$f"; done
zip -q t.zip a.txt README docs docs/a.txt docs/sub docs/sub/b.TXT x x/docs x/docs/a.txt

list() {
  if [ "$flavour" = wine ]; then
    VELANTO_WINE_BUILD="$build" bash "$source_dir/tests/wine-run.sh" "$build/tools/xanarc.exe" \
      list "Z:${work//\//\\}\\t.zip" "$@" | tr -d '\r'
  else
    "$build/tools/xanarc" list t.zip "$@"
  fi
}

fail=0
check() {
  local expected=$1 got
  shift
  got=$(list "$@" | cut -f1 | LC_ALL=C sort | tr '\n' ' ')
  if [ "$got" != "$expected" ]; then
    echo "mask '$*': got '$got', expected '$expected'"
    fail=1
  fi
}
all='README a.txt docs/ docs/a.txt docs/sub/ docs/sub/b.TXT x/ x/docs/ x/docs/a.txt '
check "$all"
check "$all" '*.*'
check 'a.txt docs/a.txt docs/sub/b.TXT x/docs/a.txt ' '*.txt'
check 'docs/a.txt docs/sub/b.TXT ' 'docs/*.txt'
check 'docs/a.txt docs/sub/b.TXT ' 'docs\*.TXT'
check 'README docs/ docs/sub/ x/ x/docs/ ' '*.'
check '' 'nothing'
exit $fail
