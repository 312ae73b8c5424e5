#!/usr/bin/env bash
# `xanarc list` agrees with Info-ZIP zipinfo (`unzip -Zv`) on the names, sizes and CRC-32 of
# archives written by four different tools.
set -euo pipefail
build=$1
flavour=$2
[ "$flavour" = native ] || exit 77
xanarc=$build/tools/xanarc
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

mkdir -p src/sub/deeper
printf 'hello\n' > src/a.txt
: > src/empty.txt
head -c 20000 /dev/urandom > src/sub/random.bin
for i in $(seq 1 300); do echo "line $i of a compressible file"; done > src/sub/deeper/lines.txt
printf 'accent\n' > "src/sub/café.txt"

(cd src && zip -q -r ../infozip.zip .)
(cd src && python3 -c '
import os, sys, zipfile
with zipfile.ZipFile("../python.zip", "w", zipfile.ZIP_DEFLATED) as z:
    for root, dirs, files in sorted(os.walk(".")):
        for name in sorted(dirs + files):
            z.write(os.path.join(root, name))
')
(cd src && bsdtar --format zip -cf ../bsdtar.zip .)
(cd src && 7zz a -tzip -bso0 -bsp0 ../7zip.zip .)

# name, uncompressed size, compressed size, CRC-32 of every entry, as zipinfo reports them.
zipinfo_entries() {
  unzip -Zv "$1" | awk '
    /^Central directory entry #/ { want = 1; next }
    want && (/^-+$/ || /^ *$/ || /There are an extra/) { next }
    want { name = substr($0, 3); want = 0 }
    /32-bit CRC value \(hex\):/ { crc = $NF }
    /^  compressed size:/ { packed = $3 }
    /^  uncompressed size:/ { print name "\t" $3 "\t" packed "\t" crc }'
}

status=0
for archive in infozip.zip python.zip bsdtar.zip 7zip.zip; do
  zipinfo_entries "$archive" > expected.txt
  "$xanarc" list "$archive" | cut -f1,2,3,5 > actual.txt
  if [ "$(wc -l < expected.txt)" -lt 5 ]; then
    echo "$archive: zipinfo listed too few entries"; status=1
  fi
  if ! diff -u expected.txt actual.txt; then
    echo "$archive: xanarc list differs from zipinfo"; status=1
  fi
done

# An archive that cannot be opened: exit 2 and the component's message.
: > empty.zip
if "$xanarc" list empty.zip > out.txt 2> err.txt; then
  echo "empty archive listed"; status=1
else
  [ $? -eq 2 ] || { echo "wrong exit status for an empty file"; status=1; }
fi
grep -qx 'Xanarc1: Invalid archive file. - Native error: 00035\|Invalid archive file. - Native error: 00035' err.txt ||
  { echo "unexpected message: $(cat err.txt)"; status=1; }
exit $status
