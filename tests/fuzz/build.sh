#!/bin/bash
# Builds every libFuzzer target tests/fuzz/fuzz_*.cpp with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, apart from the normal build.
# usage: tests/fuzz/build.sh [OUT_DIR]        (default build/fuzz; targets land in OUT_DIR)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mkdir -p "${1:-$src/build/fuzz}" && cd "${1:-$src/build/fuzz}" && pwd)
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$src" -B "$out/lib" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELANTO_TESTS=OFF -DVELANTO_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=$flags -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$out/lib" -j2 --target velanto_archive velanto_dialogs velanto_platform
for target in "$src"/tests/fuzz/fuzz_*.cpp; do
  name=$(basename "$target" .cpp)
  clang++ -std=c++20 -g -O1 $flags -fsanitize=fuzzer -I"$src" "$target" \
    "$out/lib/archive/libvelanto_archive.a" "$out/lib/toolkit/libvelanto_dialogs.a" \
    "$out/lib/platform/libvelanto_platform.a" -lz -lpthread -o "$out/$name"
  echo "built $out/$name"
done
