#!/bin/bash
# xanarc test: verdicts and exit status on archives made by Info-ZIP zip and 7-Zip.
set -euo pipefail
build=$(cd "$1" && pwd)
[ "$2" = native ] || exit 77
src=${VELANTO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
xanarc=$build/tools/xanarc
fixtures=$src/tests/fixtures/decode
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() {  # expect STATUS EXPECTED_OUTPUT ARGS...
  local status=$1 expected=$2 actual code=0
  shift 2
  actual=$("$xanarc" test "$@" 2>&1) || code=$?
  if [ "$code" != "$status" ] || [ "$actual" != "$expected" ]; then
    echo "xanarc test $*: status $code, output:"; echo "$actual"
    echo "expected status $status, output:"; echo "$expected"
    exit 1
  fi
}

tab=$'\t'
for f in infozip.zip 7zip.zip; do
  expect 0 "fox.txt${tab}OK"$'\n'"note.txt${tab}OK" "$fixtures/$f" -p secret
  expect 0 "fox.txt${tab}skipped: encrypted"$'\n'"note.txt${tab}skipped: encrypted" "$fixtures/$f"
  expect 0 "fox.txt${tab}skipped: wrong password"$'\n'"note.txt${tab}skipped: wrong password" "$fixtures/$f" -p nope
done

# One stored item with a byte changed after zip wrote it.
cd "$work"
printf 'first file\n' > a.txt
printf 'second file\n' > b.txt
zip -q -0 -X plain.zip a.txt b.txt
python3 - <<'PY'
data = bytearray(open("plain.zip", "rb").read())
at = data.index(b"second file")
data[at] ^= 0x20
open("plain.zip", "wb").write(bytes(data))
PY
expect 1 "a.txt${tab}OK"$'\n'"b.txt${tab}Invalid size or check sum of file or unsupported compression format - Native error: 00008" plain.zip

expect 2 "File \"$work/missing.zip\" not found - Native error: 00012" "$work/missing.zip"
echo "xanarc test: all verdicts as expected"
