#include <cstring>

#include "platform/Stream.h"

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  int64_t Available = Size() - Pos;
  if (Count <= 0 || Pos < 0 || Available <= 0)
    return 0;
  int64_t N = Count < Available ? Count : Available;
  std::memcpy(Buffer, Data.data() + Pos, static_cast<size_t>(N));
  Pos += N;
  return N;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0 || Pos < 0 || Count > INT64_MAX - Pos)
    return 0;
  int64_t End = Pos + Count;
  if (End > Size())
    Data.resize(static_cast<size_t>(End));
  std::memcpy(Data.data() + Pos, Buffer, static_cast<size_t>(Count));
  Pos = End;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  switch (Origin) {
  case TSeekOrigin::soBeginning: Pos = Offset; break;
  case TSeekOrigin::soCurrent: Pos += Offset; break;
  case TSeekOrigin::soEnd: Pos = Size() + Offset; break;
  }
  return Pos;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0)
    throw EWriteError("Stream write error");
  Data.resize(static_cast<size_t>(NewSize));
  if (Pos > NewSize)
    Pos = NewSize;
}

void TMemoryStream::Clear() {
  Data.clear();
  Data.shrink_to_fit();
  Pos = 0;
}
