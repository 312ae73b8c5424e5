#!/bin/bash
# Prints the path of the large benchmark archive (Info-ZIP, level 6, about 350 MB of regular
# files from /usr/share and /usr/lib), building it once and keeping it in /tmp between runs.
set -euo pipefail
archive=${DECODE_BENCH_ARCHIVE:-/tmp/velanto-decode-bench.zip}
if [ ! -s "$archive" ]; then
  list=$(mktemp)
  trap 'rm -f "$list"' EXIT
  # awk reads the whole list (no early exit), so pipefail never sees a broken pipe.
  find /usr/share /usr/lib -type f -readable -size -64M -printf '%s\t%p\n' 2>/dev/null | sort -t$'\t' -k2 |
    awk -F'\t' -v limit=$((350 * 1024 * 1024)) 'total <= limit { total += $1; print $2 }' > "$list"
  zip -q -6 -X "$archive" -@ < "$list" >&2
fi
echo "$archive"
