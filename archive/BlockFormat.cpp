#include <algorithm>

#include "archive/Crc32.h"
#include "archive/ItemDecoder.h"
#include "platform/Stream.h"

namespace {

uint32_t Get32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

// The header in front of the component's own block format.
struct TBlockHeader {
  static constexpr int Size = 50;
  static constexpr int CheckSize = 16;
  int32_t BlockSize = 0;
  uint32_t UncompressedSize = 0;
  int32_t BlockCount = 0;
  uint8_t Algorithm = 0;
  bool Compressed = false;
  uint16_t Encryption = 0;
  uint32_t CheckValue = 0;
  const uint8_t* CheckBytes = nullptr;

  explicit TBlockHeader(const uint8_t* p)
      : BlockSize(int32_t(Get32(p))),
        UncompressedSize(Get32(p + 8)),
        BlockCount(int32_t(Get32(p + 16))),
        Algorithm(p[20]),
        Compressed(p[21] != 0),
        Encryption(uint16_t(p[22] | p[23] << 8)),
        CheckValue(Get32(p + 24)),
        CheckBytes(p + 28) {}
  bool Encrypted() const { return Encryption != 0xFFFF; }
  // There is no cipher for this format: the decryption step leaves the bytes as they are.
  bool PasswordMatches() const { return ~Crc32Update(0xFFFFFFFF, CheckBytes, CheckSize) == CheckValue; }
};

}  // namespace

bool TItemDecoder::DecodeBlockFormat() {
  uint8_t raw[TBlockHeader::Size];
  if (!ReadFully(raw, sizeof raw)) return false;
  Consumed += sizeof raw;
  const TBlockHeader header(raw);
  if (header.Encrypted()) {
    while (!header.PasswordMatches()) {
      Archiver.DoPassword(Entry.StoredName, Archiver.Password, Archiver.SkipFile);
      if (Archiver.SkipFile) return false;
    }
  }
  Archiver.ProgressTotal = Archive->Size();
  const uint64_t total = Entry.UnpackedSize == 0xFFFFFFFF ? Entry.Zip64UnpackedSize : header.UncompressedSize;
  TByteBuffer block, inflated;
  for (int32_t i = 0; i < header.BlockCount; ++i) {
    if (ProgressCancelled()) return true;
    uint8_t lengthBytes[4];
    if (!ReadFully(lengthBytes, sizeof lengthBytes)) return false;
    Consumed += sizeof lengthBytes;
    const uint32_t length = Get32(lengthBytes);
    // A length the item cannot hold is refused before anything is allocated for it.
    if (int64_t(length) > BytesToRead - Consumed) return false;
    block.Clear();
    block.Reserve(length);
    if (!ReadFully(block.Data(), length)) return false;

    const bool last = i == header.BlockCount - 1;
    const uint64_t expected = last ? (total > Written ? total - Written : 0) : uint64_t(std::max(header.BlockSize, 0));
    if (header.Compressed) {
      if (length == 0 || header.Algorithm != 0) return false;
      uint64_t produced = 0;
      const size_t keep = size_t(std::min<uint64_t>(expected, OutputLimit()));
      if (!InflateWhole(block.Data(), length, keep, inflated, produced)) return false;
      if (!Emit(inflated.Data(), inflated.Size())) return false;
    } else if (!Emit(block.Data(), std::min<uint64_t>(expected, length))) {
      return false;
    }
    Consumed += length;
  }
  return true;
}
