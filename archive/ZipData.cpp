#include <algorithm>
#include <chrono>
#include <memory>

#include "archive/ItemDecoder.h"
#include "archive/XAExcept.h"
#include "platform/Memory.h"
#include "platform/Stream.h"

namespace {

constexpr uint16_t FlagDataDescriptor = 1 << 3;
constexpr size_t ZlibHeaderSize = 2;
constexpr uint8_t ZlibHeader[ZlibHeaderSize] = {0x78, 0x01};
constexpr uint64_t MemoryShare = 20;
// The first room given to a chunk's output; it grows when the data need more.
constexpr uint64_t LargestFirstRoom = uint64_t(16) << 20;
constexpr size_t MinimumGrowth = size_t(1) << 20;

constexpr auto MemoryReadingLifetime = std::chrono::milliseconds(100);

// A twentieth of the available physical memory. One reading serves the items decoded within a
// short while, since asking the system costs more than decoding a small item. When the system
// cannot tell, nothing limits the chunk.
uint64_t ChunkMemoryLimit() {
  thread_local std::chrono::steady_clock::time_point readAt;
  thread_local uint64_t limit = 0;
  const auto now = std::chrono::steady_clock::now();
  if (limit == 0 || now - readAt > MemoryReadingLifetime) {
    const uint64_t available = AvailablePhysicalMemory();
    limit = available ? available / MemoryShare : UINT64_MAX;
    readAt = now;
  }
  return limit;
}

}  // namespace

bool TItemDecoder::DecodeZipData() {
  MemoryLimit = ChunkMemoryLimit();
  if (Entry.IsEncrypted() && !PrepareDecryption()) return false;
  const bool deflated = Entry.CompressionMethod == 8;
  // Raw deflate data end without a check value, so there is none to compute.
  if (deflated && !Inflater.Start(false)) return false;
  auto input = std::make_unique_for_overwrite<uint8_t[]>(ChunkLimit + ZlibHeaderSize);
  while (Consumed < BytesToRead) {
    if (ProgressCancelled()) break;
    const int64_t size = ChooseChunkSize(BytesToRead - Consumed, MemoryLimit, Entry.UnpackedSize, Entry.PackedSize);
    uint8_t* chunk = input.get() + ZlibHeaderSize;
    if (!ReadFully(chunk, size)) return false;
    if (Keys) Keys->Decrypt(chunk, size_t(size));
    if (deflated) {
      if (!InflateChunk(input.get(), size)) return false;
      if (!Emit(ChunkOutput.Data(), ChunkOutput.Size())) return false;
    } else if (!Emit(chunk, uint64_t(size))) {
      return false;
    }
    Consumed += size;
  }
  return true;
}

bool TItemDecoder::PrepareDecryption() {
  BytesToRead -= TraditionalHeaderSize;
  const int64_t headerStart = Archive->Position();
  const uint8_t check = (Local.GeneralFlags & FlagDataDescriptor) ? uint8_t(Local.LastModTime >> 8)
                                                                  : uint8_t(Local.DataCrc >> 24);
  for (;;) {
    Archive->SetPosition(headerStart);
    uint8_t header[TraditionalHeaderSize];
    if (Archive->Read(header, sizeof header) != sizeof header) return false;
    TTraditionalKeys keys(Archiver.Password);
    keys.Decrypt(header, sizeof header);
    if (header[TraditionalHeaderSize - 1] == check) {
      Keys = keys;
      return true;
    }
    Archiver.DoPassword(Entry.StoredName, Archiver.Password, Archiver.SkipFile);
    if (Archiver.SkipFile) return false;
  }
}

// Inflates one chunk that lies at Buffer + 2; the first chunk gets the synthetic zlib header in
// those two bytes. The output stops one byte past what the entry allows, which Emit then refuses.
bool TItemDecoder::InflateChunk(uint8_t* Buffer, int64_t Count) {
  const bool first = Consumed == 0;
  if (first) std::copy(ZlibHeader, ZlibHeader + ZlibHeaderSize, Buffer);
  const uint8_t* in = first ? Buffer : Buffer + ZlibHeaderSize;
  Inflater.SetInput(in, size_t(Count) + (first ? ZlibHeaderSize : 0));

  const size_t limit = OutputLimit();
  const uint64_t estimate = ChunkOutputEstimate(Count, Entry.UnpackedSize, Entry.PackedSize);
  ChunkOutput.Clear();
  try {
    ChunkOutput.Reserve(size_t(std::min<uint64_t>({estimate, limit, LargestFirstRoom})));
    for (;;) {
      if (ChunkOutput.Free() == 0) {
        if (ChunkOutput.Size() >= limit) return true;
        ChunkOutput.Reserve(std::min(limit, std::max(ChunkOutput.Size() * 2, MinimumGrowth)));
      }
      const int status = Inflater.Inflate(ChunkOutput);
      // The stream ends only after four bytes taken for its check value: bytes that follow
      // the deflate data within the item make it fail.
      if (status == Z_STREAM_END) return false;
      if (status == Z_BUF_ERROR && Inflater.InputLeft() == 0) return true;
      if (status != Z_OK) return false;
      if (!Inflater.RoomUsedUp()) return Inflater.InputLeft() == 0;
    }
  } catch (...) {
    if (Inflater.End() < 0) throw EDecompressionError("error");
    throw;
  }
}
