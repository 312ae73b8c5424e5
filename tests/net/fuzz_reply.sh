#!/usr/bin/env bash
# Builds and runs the reply-reading fuzz target with clang, libFuzzer, ASan and UBSan.
# usage: tests/net/fuzz_reply.sh [SECONDS]   (default 60; the target lands in build/fuzz)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$src/build/fuzz
mkdir -p "$out/reply-corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$src" "$src/tests/net/fuzz_reply.cpp" "$src/net/ReplyReader.cpp" "$src/net/ReplyHead.cpp" \
  "$src/net/ReplyBody.cpp" "$src/net/IdException.cpp" -o "$out/fuzz_reply"
printf 'HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabc' > "$out/reply-corpus/length"
printf 'HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3;x\r\nabc\r\n0\r\nT: 1\r\n\r\n' \
  > "$out/reply-corpus/chunked"
"$out/fuzz_reply" -max_total_time="${1:-60}" -max_len=4096 "$out/reply-corpus"
