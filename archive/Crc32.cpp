#include "archive/Crc32.h"

#include <zlib.h>

#include <array>

namespace {

constexpr std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> Table = MakeTable();

}  // namespace

// zlib's routine inverts on entry and on exit; undoing both gives the bare update.
uint32_t Crc32Update(uint32_t Crc, const void* Data, size_t Count) {
  if (Count == 0) return Crc;
  return ~uint32_t(crc32_z(~Crc & 0xFFFFFFFFu, static_cast<const Bytef*>(Data), Count));
}

const uint32_t* Crc32Table() { return Table.data(); }
