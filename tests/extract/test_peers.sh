#!/usr/bin/env bash
# xanarc extract gives the same files, bytes, modification times and permissions as Info-ZIP
# unzip, on archives written by zip, Python's zipfile (also streamed, with data descriptors),
# bsdtar and 7-Zip.
set -euo pipefail
build=$(cd "$1" && pwd)
[ "$2" = native ] || exit 77
xanarc=$build/tools/xanarc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

src=$work/src
mkdir -p "$src/sub/deeper" "$src/empty folder"
printf 'plain text\n' > "$src/readme.txt"
: > "$src/sub/empty.bin"
head -c 300000 /dev/urandom > "$src/sub/random.bin"
python3 -c "print('compressible line\n' * 110000, end='')" > "$src/sub/deeper/lines.txt"
printf 'spaced\n' > "$src/sub/two words.txt"
printf '#!/bin/sh\necho hi\n' > "$src/run.sh"
chmod 755 "$src/run.sh"
chmod 600 "$src/sub/random.bin"
# DOS times have two-second steps: even seconds keep every peer's time exact.
find "$src" -type f -exec touch -d '2021-06-15 10:20:30' {} +
touch -d '1999-12-31 23:59:58' "$src/readme.txt"

archives=$work/archives
mkdir "$archives"
(cd "$src" && zip -q -r -X "$archives/infozip.zip" .)
python3 - "$src" "$archives" <<'PY'
import os, sys, zipfile
src, out = sys.argv[1], sys.argv[2]
def fill(zf):
    for root, dirs, files in sorted(os.walk(src)):
        for name in sorted(dirs + files):
            path = os.path.join(root, name)
            zf.write(path, os.path.relpath(path, src))
with zipfile.ZipFile(os.path.join(out, "python.zip"), "w", zipfile.ZIP_DEFLATED) as zf:
    fill(zf)
# An unseekable stream makes zipfile write data descriptors (flag bit 3).
r, w = os.pipe()
if os.fork() == 0:
    os.close(r)
    with os.fdopen(w, "wb") as pipe, zipfile.ZipFile(pipe, "w", zipfile.ZIP_DEFLATED) as zf:
        fill(zf)
    os._exit(0)
os.close(w)
with os.fdopen(r, "rb") as pipe, open(os.path.join(out, "python-streamed.zip"), "wb") as f:
    f.write(pipe.read())
os.wait()
PY
(cd "$src" && bsdtar --format zip -cf "$archives/bsdtar.zip" .)
(cd "$src" && 7zz a -tzip -bd -bso0 "$archives/7zip.zip" . >/dev/null)

python3 - "$archives/python-streamed.zip" <<'PY'
import sys, zipfile
flags = [i.flag_bits & 8 for i in zipfile.ZipFile(sys.argv[1]).infolist() if not i.is_dir()]
sys.exit(0 if flags and all(flags) else "streamed archive has no data descriptors")
PY

# One line per entry: type, path, size, permissions, and for files the time and checksum.
describe() {
  (cd "$1" && find . -mindepth 1 ! -name . -printf '%y %P\n' | sort | while read -r kind path; do
    if [ "$kind" = f ]; then
      printf 'f %s %s %s %s\n' "$path" "$(stat -c '%s %a %Y' "$path")" "" "$(md5sum < "$path" | cut -c1-32)"
    else
      printf '%s %s\n' "$kind" "$path"
    fi
  done)
}

status=0
for archive in "$archives"/*.zip; do
  name=$(basename "$archive" .zip)
  unzip -q -o "$archive" -d "$work/unzip-$name"
  if ! "$xanarc" extract "$archive" "$work/xanarc-$name" > "$work/$name.log"; then
    echo "FAIL $name: xanarc extract failed"; cat "$work/$name.log"; status=1; continue
  fi
  if ! diff <(describe "$work/unzip-$name") <(describe "$work/xanarc-$name") > "$work/$name.diff"; then
    echo "FAIL $name: differs from unzip (< unzip, > xanarc)"; cat "$work/$name.diff"; status=1
  else
    echo "ok   $name: $(describe "$work/xanarc-$name" | wc -l) entries match"
  fi
done
# Failures: an archive that cannot be opened gives 2; a damaged item is reported, the others
# are extracted, and the status is 1.
printf 'not an archive' > "$work/junk.zip"
set +e
"$xanarc" extract "$work/junk.zip" "$work/junk-out" > /dev/null 2> "$work/junk.err"
junk=$?
python3 - "$archives/python.zip" "$work/damaged.zip" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
at = data.index(b"lines.txt") + len(b"lines.txt")
data[at + 40] ^= 0xFF  # inside the deflated data of lines.txt
open(sys.argv[2], "wb").write(data)
PY
"$xanarc" extract "$work/damaged.zip" "$work/damaged-out" > "$work/damaged.log" 2> "$work/damaged.err"
damaged=$?
set -e
if [ $junk != 2 ] || ! grep -q 'Invalid archive file' "$work/junk.err"; then
  echo "FAIL junk archive: status $junk"; cat "$work/junk.err"; status=1
fi
if [ $damaged != 1 ] || ! grep -q 'lines.txt: .*Native error: 00008' "$work/damaged.err" ||
   [ -e "$work/damaged-out/sub/deeper/lines.txt" ] || ! cmp -s "$src/readme.txt" "$work/damaged-out/readme.txt"; then
  echo "FAIL damaged archive: status $damaged"; cat "$work/damaged.err" "$work/damaged.log"; status=1
else
  echo "ok   damaged: $(cat "$work/damaged.log")"
fi
exit $status
