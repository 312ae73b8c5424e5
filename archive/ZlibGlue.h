#pragma once
#include <zlib.h>

#include <cstddef>
#include <cstdint>

#include "archive/ByteBuffer.h"

// One inflate stream in zlib format (window bits 15), used only through inflateInit, inflate
// with no flush and inflateEnd.
class TInflateStream {
public:
  TInflateStream() = default;
  ~TInflateStream();
  TInflateStream(const TInflateStream&) = delete;
  TInflateStream& operator=(const TInflateStream&) = delete;

  // False when zlib cannot start the stream. Without CheckValue the Adler-32 at the end of the
  // stream is neither computed nor compared.
  bool Start(bool CheckValue = true);
  // Ends the stream; returns zlib's status (Z_OK when it was not started).
  int End();
  // Count stays below 4 GiB (chunks and block lengths are 32-bit).
  void SetInput(const uint8_t* Data, size_t Count);
  size_t InputLeft() const { return Z.avail_in; }
  // One inflate call writing into the buffer's free room; the buffer's size grows by the output.
  int Inflate(TByteBuffer& Out);
  // Whether the last call filled all the room it was given.
  bool RoomUsedUp() const { return Z.avail_out == 0; }

private:
  z_stream Z{};
  bool Started = false;
};

// Inflates one complete zlib-format stream. Out receives the first Keep bytes of the output,
// Produced counts all of it. True when the stream ends cleanly.
bool InflateWhole(const uint8_t* In, size_t Count, size_t Keep, TByteBuffer& Out, uint64_t& Produced);
