#!/bin/bash
# Opening the directory of an archive of 100,000 small entries, side by side with `unzip -l`
# of the same archive (best of ROUNDS runs each).
# usage: bench/open_directory.sh BUILD_DIR
set -euo pipefail
build=${1:-build/linux}
rounds=${ROUNDS:-5}
archive=${OPEN_BENCH_ARCHIVE:-/tmp/velanto-open-bench.zip}
if [ ! -s "$archive" ]; then
  python3 - "$archive" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as z:
    for i in range(100000):
        z.writestr(f"folder{i // 1000:03d}/item{i:06d}.txt", f"entry {i}\n")
PY
fi

best_ms() {  # best wall time of a command in milliseconds
  local best=
  for _ in $(seq "$rounds"); do
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null
    end=$(date +%s%N)
    local ms=$(( (end - start) / 1000000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}

ours=$("$build/bench/open_directory" "$archive" "$rounds")
ours_ms=$(best_ms "$build/bench/open_directory" "$archive" 1)
unzip_ms=$(best_ms unzip -l "$archive")
echo "archive: $archive ($(stat -c %s "$archive") bytes)"
echo "open_directory (in process): $ours"
echo "open_directory (whole process): ${ours_ms} ms"
echo "unzip -l (whole process):       ${unzip_ms} ms"
awk -v a="$ours_ms" -v b="$unzip_ms" 'BEGIN { printf "ratio: %.2f of unzip -l\n", a / b }'
