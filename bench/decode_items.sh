#!/bin/bash
# Decoding throughput: the component against a plain zlib loop over one large archive made by
# Info-ZIP from system files (kept in /tmp between runs).
# usage: bench/decode_items.sh BUILD_DIR
set -euo pipefail
build=${1:-build/linux}
archive=$("$(dirname "$0")/large_archive.sh")
unzip -Zt "$archive"
"$build/bench/decode_items" "$archive" "${ROUNDS:-3}"
