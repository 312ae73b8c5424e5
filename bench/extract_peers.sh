#!/bin/bash
# Extraction of one large archive (Info-ZIP, level 6, from system files) into tmpfs: xanarc
# side by side with unzip, bsdtar and 7-Zip (one thread), best of ROUNDS runs each, and the
# peak memory of xanarc.
# usage: bench/extract_peers.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build/linux}" && pwd)
rounds=${ROUNDS:-3}
archive=$("$(dirname "$0")/large_archive.sh")
dest=$(mktemp -d /dev/shm/velanto-extract-bench.XXXXXX)
trap 'rm -rf "$dest"' EXIT
echo "archive: $archive, $(du -m "$archive" | cut -f1) MB packed, $(unzip -Z1 "$archive" | wc -l) entries"

run() {
  case $1 in
    xanarc) "$build/tools/xanarc" extract "$archive" "$dest/out" > /dev/null ;;
    unzip) unzip -o -q "$archive" -d "$dest/out" ;;
    bsdtar) mkdir -p "$dest/out" && bsdtar -xf "$archive" -C "$dest/out" ;;
    7zz) 7zz x -mmt1 -y -bd -bso0 -o"$dest/out" "$archive" ;;
  esac
}

declare -A best
for tool in xanarc unzip bsdtar 7zz; do
  best[$tool]=
  for ((i = 0; i < rounds; i++)); do
    rm -rf "$dest/out"
    start=$(date +%s.%N)
    run "$tool"
    seconds=$(echo "$(date +%s.%N) - $start" | bc)
    if [ -z "${best[$tool]}" ] || [ "$(echo "$seconds < ${best[$tool]}" | bc)" = 1 ]; then best[$tool]=$seconds; fi
  done
  printf '%-7s best %.3f s (%s MB out)\n' "$tool" "${best[$tool]}" "$(du -sm "$dest/out" | cut -f1)"
done
for tool in unzip bsdtar 7zz; do
  printf 'xanarc / %-6s = %.3f (below 1 is faster)\n' "$tool" "$(echo "${best[xanarc]} / ${best[$tool]}" | bc -l)"
done
rm -rf "$dest/out"
peak=$(/usr/bin/time -v "$build/tools/xanarc" extract "$archive" "$dest/out" 2>&1 >/dev/null |
  awk -F': ' '/Maximum resident set size/ { print $2 }')
echo "xanarc peak memory: $((peak / 1024)) MiB (limit 64)"
