#include "archive/ForwardScanner.h"

#include <algorithm>
#include <cstring>

#include "archive/LittleEndian.h"
#include "platform/Stream.h"

TForwardScanner::TForwardScanner(TStream& AStream, uint32_t ASignature, int64_t AWindowSize)
    : Stream(AStream), WindowSize(AWindowSize) {
  Set32(Signature, ASignature);
}

int64_t TForwardScanner::SearchWindow(int64_t From) const {
  const uint8_t* begin = Window.data();
  const uint8_t* end = begin + WindowLen;
  const uint8_t* hit = std::search(begin + (From - WindowStart), end, Signature, Signature + 4);
  return hit == end ? -1 : WindowStart + (hit - begin);
}

int64_t TForwardScanner::Find(int64_t From) {
  From = std::max<int64_t>(From, 0);
  if (LastFrom >= 0 && LastFrom <= From && (LastResult == -1 || LastResult >= From)) return LastResult;

  const int64_t saved = Stream.Position();
  const int64_t size = Stream.Size();
  int64_t result = -1;
  int64_t pos = From;
  while (pos + 4 <= size) {
    if (pos < WindowStart || pos + 4 > WindowStart + WindowLen) {
      const int64_t length = std::min(WindowSize, size - pos);
      Window.resize(size_t(length));
      Stream.SetPosition(pos);
      WindowStart = pos;
      WindowLen = std::max<int64_t>(Stream.Read(Window.data(), length), 0);
      if (WindowLen < 4) break;  // the window makes no progress
    }
    result = SearchWindow(pos);
    if (result >= 0 || WindowStart + WindowLen >= size) break;
    pos = WindowStart + WindowLen - 3;
  }
  Stream.SetPosition(saved);
  LastFrom = From;
  LastResult = result;
  return result;
}
