#include <algorithm>

#include "archive/ItemDecoder.h"

namespace {

// Whether N * N > 2^E, exactly (N below 2^63, E below 128).
bool SquareExceedsPowerOfTwo(uint64_t N, int E) {
  const uint64_t a = N >> 32, b = N & 0xFFFFFFFFu;
  const uint64_t cross = a * b;  // N^2 = a^2 * 2^64 + 2ab * 2^32 + b^2
  uint64_t lo = b * b;
  uint64_t hi = a * a + (cross >> 31);
  const uint64_t crossLo = cross << 33;
  lo += crossLo;
  hi += lo < crossLo;
  if (E >= 64) {
    const uint64_t p = uint64_t(1) << (E - 64);
    return hi > p || (hi == p && lo > 0);
  }
  return hi > 0 || lo > (uint64_t(1) << E);
}

int FloorLog2(uint64_t N) {
  int k = -1;
  while (N) {
    N >>= 1;
    ++k;
  }
  return k;
}

}  // namespace

uint64_t ChunkOutputEstimate(int64_t ChunkSize, uint32_t Unpacked32, uint32_t Packed32) {
  const uint64_t t = uint64_t(ChunkSize) + uint64_t(ChunkSize) / 2 + 12 + 255;
  const uint32_t ratio = Packed32 ? Unpacked32 / Packed32 : 0;  // no packed bytes: no ratio
  const uint32_t r = ratio + 1;                                  // wraps to 0 like the 32-bit sum
  const uint64_t n = (t * r) & ~uint64_t(0xFF);
  if (n == 0) return 0;
  // The power of two nearest on a log scale: 2^(k+1) once n passes 2^k * sqrt(2).
  const int k = FloorLog2(n);
  return uint64_t(1) << (SquareExceedsPowerOfTwo(n, 2 * k + 1) ? k + 1 : k);
}

int64_t ChooseChunkSize(int64_t Remaining, uint64_t MemoryLimit, uint32_t Unpacked32, uint32_t Packed32) {
  int64_t size = std::min(ChunkLimit, Remaining);
  while (size >= SmallestHalvedChunk && ChunkOutputEstimate(size, Unpacked32, Packed32) >= MemoryLimit)
    size /= 2;
  return size;
}
