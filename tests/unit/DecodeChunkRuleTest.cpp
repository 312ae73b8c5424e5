#include <gtest/gtest.h>

#include "archive/ItemDecoder.h"

namespace {

TEST(DecodeChunkRule, OutputEstimateExamples) {
  struct Case {
    int64_t Chunk;
    uint32_t Unpacked, Packed;
    uint64_t Estimate;
  } cases[] = {
      {1048576, 1000, 1000, 4194304},     // stored: ratio 1, r = 2, n = 3,146,240
      {1048576, 3000, 1000, 8388608},     // 3:1, n = 6,292,480
      {1000, 5000, 1000, 8192},           // 5:1, n = 10,496 is nearer 2^13 than 2^14 on a log scale
      {1000, 0, 1000, 2048},              // n = 1,536 rounds up: past 2^10 * sqrt(2)
      {988324, 0, 1, 1048576},            // n = 1,482,752, just below 2^20 * sqrt(2)
      {988495, 0, 1, 2097152},            // n = 1,483,008, just above it
      {1, 0xFFFFFFFF, 1, 0},              // r wraps to 0 in 32 bits
      {100, 10, 0, 256},                  // no packed bytes: ratio 0
      {1048576, 0xFFFFFFFE, 1, uint64_t(1) << 53},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChunkOutputEstimate(c.Chunk, c.Unpacked, c.Packed), c.Estimate)
        << c.Chunk << " " << c.Unpacked << "/" << c.Packed;
  }
}

TEST(DecodeChunkRule, ChunkSizeFollowsTheMemoryRule) {
  constexpr uint64_t Ample = uint64_t(1) << 40;
  struct Case {
    const char* What;
    int64_t Remaining;
    uint64_t MemoryLimit;
    uint32_t Unpacked, Packed;
    int64_t Size;
  } cases[] = {
      {"ample memory: the chunk limit", 5 << 20, Ample, 100, 100, 1048576},
      {"ample memory: what is left", 70000, Ample, 100, 100, 70000},
      {"estimate equal to the limit halves", 1 << 20, 4194304, 100, 100, 524288},
      {"estimate just below the limit stays", 1 << 20, 4194305, 100, 100, 1048576},
      {"a higher ratio halves", 1 << 20, 4194305, 300, 100, 524288},
      {"and halves again when still too large", 1 << 20, 4194304, 300, 100, 262144},
      {"short memory halves down to 256", 1 << 20, 1, 100, 100, 256},
      {"a last chunk below 512 is used whole", 300, 1, 100, 100, 300},
      {"511 is used whole", 511, 1, 100, 100, 511},
      {"512 is halved", 512, 1, 100, 100, 256},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseChunkSize(c.Remaining, c.MemoryLimit, c.Unpacked, c.Packed), c.Size) << c.What;
  }
}

}  // namespace
