#!/bin/bash
# Decoding throughput: the component against a plain zlib loop over one large archive made by
# Info-ZIP from system files (kept in /tmp between runs).
# usage: bench/decode_items.sh BUILD_DIR
set -euo pipefail
build=${1:-build/linux}
archive=${DECODE_BENCH_ARCHIVE:-/tmp/velanto-decode-bench.zip}
if [ ! -s "$archive" ]; then
  list=$(mktemp)
  trap 'rm -f "$list"' EXIT
  # Regular readable files until about 350 MB, from /usr/share and then /usr/lib.
  find /usr/share /usr/lib -type f -readable -size -64M -printf '%s\t%p\n' 2>/dev/null | sort -t$'\t' -k2 |
    awk -F'\t' -v limit=$((350 * 1024 * 1024)) '{ total += $1; print $2; if (total > limit) exit }' > "$list"
  zip -q -6 -X "$archive" -@ < "$list"
fi
unzip -Zt "$archive"
"$build/bench/decode_items" "$archive" "${ROUNDS:-3}"
