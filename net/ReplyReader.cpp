#include "net/ReplyReader.h"

#include <algorithm>
#include <cstring>

#include "net/IdException.h"

namespace {
constexpr size_t FillSize = 32768;
}

bool TReplyReader::Fill() {
  Pending.erase(0, Start);
  Start = 0;
  char buffer[FillSize];
  size_t count = Source(buffer, sizeof buffer);
  Pending.append(buffer, count);
  return count > 0;
}

bool TReplyReader::ReadLine(std::string& Line, size_t MaxLength) {
  size_t searched = 0;  // bytes after Start known to hold no LF
  for (;;) {
    const size_t end = Pending.find('\n', Start + searched);
    if (end != std::string::npos) {
      Line.assign(Pending, Start, end - Start);
      Start = end + 1;
      if (!Line.empty() && Line.back() == '\r')
        Line.pop_back();
      if (Line.size() > MaxLength)
        throw EIdException("Ligne de réponse HTTP trop longue.");
      return true;
    }
    if (Pending.size() - Start > MaxLength)
      throw EIdException("Ligne de réponse HTTP trop longue.");
    searched = Pending.size() - Start;
    const bool hadBytes = searched > 0;
    if (!Fill()) {
      if (hadBytes)
        throw EIdConnClosedGracefully();
      return false;
    }
  }
}

size_t TReplyReader::Read(char* Buffer, size_t Count) {
  if (Start == Pending.size() && !Fill())
    return 0;
  const size_t count = std::min(Count, Pending.size() - Start);
  std::memcpy(Buffer, Pending.data() + Start, count);
  Start += count;
  return count;
}
