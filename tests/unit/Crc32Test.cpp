#include <gtest/gtest.h>

#include <random>
#include <string>

#include "archive/Crc32.h"

namespace {

uint32_t ZipCrc(const std::string& s) { return ~Crc32Update(0xFFFFFFFF, s.data(), s.size()); }

// The byte-at-a-time definition, from the table.
uint32_t ByteWise(uint32_t crc, const uint8_t* p, size_t n) {
  while (n--) crc = Crc32Table()[(crc ^ *p++) & 0xFF] ^ (crc >> 8);
  return crc;
}

TEST(Crc32, KnownValues) {
  EXPECT_EQ(ZipCrc(""), 0u);
  EXPECT_EQ(ZipCrc("a"), 0xE8B7BE43u);
  EXPECT_EQ(ZipCrc("123456789"), 0xCBF43926u);
  EXPECT_EQ(ZipCrc("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
  EXPECT_EQ(Crc32Table()[1], 0x77073096u);
  EXPECT_EQ(Crc32Table()[255], 0x2D02EF8Du);
}

TEST(Crc32, UpdateNeitherSeedsNorInverts) {
  for (uint32_t start : {0u, 1u, 0xFFFFFFFFu, 0x12345678u}) {
    EXPECT_EQ(Crc32Update(start, "x", 0), start);
    const uint8_t byte = 'x';
    EXPECT_EQ(Crc32Update(start, &byte, 1), ByteWise(start, &byte, 1)) << start;
  }
}

TEST(Crc32, AnySplitAndAlignmentGivesTheByteWiseResult) {
  std::mt19937 gen(7);
  std::vector<uint8_t> data(70000);
  for (uint8_t& b : data) b = uint8_t(gen());
  for (size_t offset : {0, 1, 3, 7}) {
    for (size_t length : {1, 2, 15, 64, 1000, 65537}) {
      const uint8_t* p = data.data() + offset;
      const uint32_t expected = ByteWise(0x9ABCDEF0u, p, length);
      EXPECT_EQ(Crc32Update(0x9ABCDEF0u, p, length), expected) << offset << "+" << length;
      const size_t half = length / 3;
      EXPECT_EQ(Crc32Update(Crc32Update(0x9ABCDEF0u, p, half), p + half, length - half), expected);
    }
  }
}

}  // namespace
