#include "platform/Stream.h"

#include <algorithm>

int64_t TStream::Size() {
  int64_t Pos = Seek(0, TSeekOrigin::soCurrent);
  int64_t End = Seek(0, TSeekOrigin::soEnd);
  Seek(Pos, TSeekOrigin::soBeginning);
  return End;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count != 0 && Read(Buffer, Count) != Count)
    throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count != 0 && Write(Buffer, Count) != Count)
    throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  constexpr int64_t MaxBufferSize = 0xF000;
  std::vector<uint8_t> Buffer(static_cast<size_t>(std::clamp<int64_t>(Count, 1, MaxBufferSize)));
  for (int64_t Left = Count; Left > 0;) {
    int64_t N = std::min<int64_t>(Left, MaxBufferSize);
    Source.ReadBuffer(Buffer.data(), N);
    WriteBuffer(Buffer.data(), N);
    Left -= N;
  }
  return Count;
}
