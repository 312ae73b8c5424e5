#include "archive/StreamReader.h"

#include <algorithm>
#include <cstring>

#include "platform/Stream.h"

namespace {
constexpr int64_t WindowSize = 65536;
}

TStreamReader::TStreamReader(TStream& AStream) : Stream(AStream), Size(AStream.Size()) {}

void TStreamReader::Seek(int64_t NewPos) { Pos = NewPos; }

void TStreamReader::Read(void* Buffer, int64_t Count) {
  if (Count <= 0) return;
  if (Pos < 0 || Count > Size - Pos) throw EReadError("Stream read error");
  const bool inWindow = Pos >= WindowStart && Pos + Count <= WindowStart + WindowLen;
  if (!inWindow && Count < WindowSize) {
    const int64_t length = std::min(WindowSize, Size - Pos);
    Window.resize(size_t(length));
    Stream.SetPosition(Pos);
    WindowStart = Pos;
    WindowLen = std::max<int64_t>(Stream.Read(Window.data(), length), 0);
  }
  if (Pos >= WindowStart && Pos + Count <= WindowStart + WindowLen) {
    std::memcpy(Buffer, Window.data() + (Pos - WindowStart), size_t(Count));
  } else {
    // Large reads, and windows the stream delivered short, go to the stream itself.
    Stream.SetPosition(Pos);
    Stream.ReadBuffer(Buffer, Count);
  }
  Pos += Count;
}
