#pragma once
#include <algorithm>
#include <cstdint>
#include <optional>

#include "archive/ByteBuffer.h"
#include "archive/DirManager.h"
#include "archive/TraditionalCrypto.h"
#include "archive/ZlibGlue.h"
#include "archive/Xanarc.h"

class TStream;

// The volume holding an item's local header, with the archive's last volume.
TXAVolumeNumberInfo ItemVolume(const TXABaseArchiver& Archiver, const TDirItem& Entry);

// Input bytes read per step at most, and the size below which halving stops.
constexpr int64_t ChunkLimit = 1048576;
constexpr int64_t SmallestHalvedChunk = 512;

// The output buffer expected for a chunk of ChunkSize input bytes of an item whose 32-bit sizes
// are Unpacked32 and Packed32: a power of two near the chunk grown by the item's size ratio.
uint64_t ChunkOutputEstimate(int64_t ChunkSize, uint32_t Unpacked32, uint32_t Packed32);
// The chunk to read next: at most ChunkLimit and Remaining, halved while its estimated output
// would reach MemoryLimit, unless it is already below SmallestHalvedChunk.
int64_t ChooseChunkSize(int64_t Remaining, uint64_t MemoryLimit, uint32_t Unpacked32, uint32_t Packed32);

// Decodes one item's data (positioned at its local header) into Output.
class TItemDecoder {
public:
  TItemDecoder(TXABaseArchiver& Archiver, TStream& Archive, TStream& Output, const TDirItem& Entry);
  // True when the output is complete and its length and CRC-32 match the entry.
  bool Decode();

private:
  bool DecodeZipData();
  bool DecodeBlockFormat();
  bool PrepareDecryption();
  bool InflateChunk(uint8_t* Buffer, int64_t Count);
  // Reads Count bytes, moving on to the next volumes of a spanned archive.
  bool ReadFully(void* Buffer, int64_t Count);
  // Reports the progress of the bytes consumed; true when a handler asked to cancel.
  bool ProgressCancelled();
  // Feeds the CRC-32 and writes; false on a short write or when the output would pass the
  // entry's uncompressed size (then it stops exactly there).
  bool Emit(const uint8_t* Data, uint64_t Count);
  uint64_t OutputRoomLeft() const { return Entry.UncompressedSize() - Written; }
  // One byte more than the output may still grow by: producing it reveals an overflow.
  size_t OutputLimit() const { return size_t(std::min<uint64_t>(OutputRoomLeft(), SIZE_MAX - 1)) + 1; }

  TXABaseArchiver& Archiver;
  TStream* Archive;
  TStream& Output;
  const TDirItem& Entry;
  TXAVolumeNumberInfo Volume;
  TLocalHeader Local;
  uint32_t Crc = 0xFFFFFFFF;
  int64_t BytesToRead = 0;
  int64_t Consumed = 0;
  uint64_t Written = 0;
  uint64_t MemoryLimit = 0;
  std::optional<TTraditionalKeys> Keys;
  TInflateStream Inflater;
  TByteBuffer ChunkOutput;
};
