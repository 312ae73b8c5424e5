#include "archive/ZlibGlue.h"

#include <algorithm>
#include <limits>

namespace {

constexpr size_t MaxCallRoom = size_t(1) << 30;
constexpr size_t WholeStartRoom = size_t(1) << 20;
constexpr size_t ScratchSize = size_t(1) << 16;

}  // namespace

TInflateStream::~TInflateStream() { End(); }

bool TInflateStream::Start(bool CheckValue) {
  Z = z_stream{};
  Started = inflateInit(&Z) == Z_OK;
  if (Started && !CheckValue) inflateValidate(&Z, 0);
  return Started;
}

int TInflateStream::End() {
  if (!Started) return Z_OK;
  Started = false;
  return inflateEnd(&Z);
}

void TInflateStream::SetInput(const uint8_t* Data, size_t Count) {
  Z.next_in = const_cast<Bytef*>(Data);
  Z.avail_in = uInt(Count);
}

int TInflateStream::Inflate(TByteBuffer& Out) {
  const size_t room = std::min(Out.Free(), MaxCallRoom);
  Z.next_out = Out.End();
  Z.avail_out = uInt(room);
  const int status = inflate(&Z, Z_NO_FLUSH);
  Out.Grow(room - Z.avail_out);
  return status;
}

bool InflateWhole(const uint8_t* In, size_t Count, size_t Keep, TByteBuffer& Out, uint64_t& Produced) {
  Out.Clear();
  Produced = 0;
  TInflateStream stream;
  if (!stream.Start()) return false;
  stream.SetInput(In, Count);
  Out.Reserve(std::min(Keep, WholeStartRoom));
  TByteBuffer scratch;
  for (;;) {
    // Past Keep, output is only counted: the stream must still be checked to its end.
    if (Out.Free() == 0 && Out.Size() < Keep) Out.Reserve(std::min(Keep, Out.Size() * 2));
    TByteBuffer& target = Out.Free() ? Out : scratch;
    if (&target == &scratch) {
      scratch.Clear();
      scratch.Reserve(ScratchSize);
    }
    const size_t before = target.Size();
    const int status = stream.Inflate(target);
    Produced += target.Size() - before;
    if (status == Z_STREAM_END) return true;
    if (status != Z_OK) return false;
    if (!stream.RoomUsedUp()) return false;  // all input used and room left: the stream is cut
  }
}
