#include "net/ReplyBody.h"

#include <algorithm>
#include <cctype>

#include "net/IdException.h"

namespace {

constexpr size_t PieceSize = 32768;
constexpr size_t MaxChunkLineLength = 4096;

bool ContainsNoCase(const std::string& Text, const std::string& Word) {
  auto lowered = Text;
  for (char& c : lowered)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered.find(Word) != std::string::npos;
}

int64_t ParseLength(const std::string& Text) {
  if (Text.empty() || Text.size() > 18 || Text.find_first_not_of("0123456789") != std::string::npos)
    throw EIdException("Longueur de réponse HTTP incorrecte : " + Text.substr(0, 40));
  return std::stoll(Text);
}

// A line of the chunk framing; a connection closed inside it ends the body.
bool ReadFramingLine(TReplyReader& Reader, std::string& Line) {
  try {
    return Reader.ReadLine(Line, MaxChunkLineLength);
  } catch (const EIdConnClosedGracefully&) {
    return false;
  }
}

// "1a3f" with an optional ";extension"; blanks may surround the number.
int64_t ParseChunkSize(const std::string& Line) {
  const std::string size = Line.substr(0, Line.find(';'));
  const size_t first = size.find_first_not_of(" \t");
  const size_t last = size.find_last_not_of(" \t");
  if (first == std::string::npos || last - first >= 15)
    throw EIdException("Bloc de réponse HTTP incorrect : " + Line.substr(0, 40));
  int64_t value = 0;
  for (size_t i = first; i <= last; ++i) {
    const int c = std::tolower(static_cast<unsigned char>(size[i]));
    if (!std::isxdigit(c))
      throw EIdException("Bloc de réponse HTTP incorrect : " + Line.substr(0, 40));
    value = value * 16 + (std::isdigit(c) ? c - '0' : c - 'a' + 10);
  }
  return value;
}

// Up to Count bytes (all of them when Count is negative); false when the connection closed first.
bool CopyBytes(TReplyReader& Reader, int64_t Count, const std::function<void(const char*, size_t)>& Sink) {
  char piece[PieceSize];
  while (Count != 0) {
    const size_t wanted = Count < 0 ? sizeof piece : static_cast<size_t>(std::min<int64_t>(Count, sizeof piece));
    const size_t read = Reader.Read(piece, wanted);
    if (read == 0)
      return false;
    Sink(piece, read);
    if (Count > 0)
      Count -= static_cast<int64_t>(read);
  }
  return true;
}

void ReadChunks(TReplyReader& Reader, const std::function<void(const char*, size_t)>& Sink) {
  std::string line;
  for (;;) {
    if (!ReadFramingLine(Reader, line))
      return;
    const int64_t size = ParseChunkSize(line);
    if (size == 0)
      break;
    if (!CopyBytes(Reader, size, Sink) || !ReadFramingLine(Reader, line))
      return;
  }
  // Trailer fields up to the blank line.
  while (ReadFramingLine(Reader, line) && !line.empty()) {
  }
}

}  // namespace

TBodyFraming BodyFraming(const TReplyHead& Head) {
  TBodyFraming framing;
  for (const std::string& coding : Head.Values("Transfer-Encoding"))
    if (ContainsNoCase(coding, "chunked"))
      framing.Kind = TBodyFraming::bkChunked;
  if (framing.Kind == TBodyFraming::bkChunked)
    return framing;
  const std::vector<std::string> lengths = Head.Values("Content-Length");
  if (Head.Code == 204 || Head.Code == 304) {
    framing.Kind = TBodyFraming::bkLength;
    return framing;
  }
  if (lengths.empty())
    return framing;
  framing.Kind = TBodyFraming::bkLength;
  framing.Length = ParseLength(lengths.front());
  return framing;
}

void ReadBody(TReplyReader& Reader, const TBodyFraming& Framing,
              const std::function<void(const char*, size_t)>& Sink) {
  switch (Framing.Kind) {
  case TBodyFraming::bkLength:
    CopyBytes(Reader, Framing.Length, Sink);
    return;
  case TBodyFraming::bkChunked:
    ReadChunks(Reader, Sink);
    return;
  case TBodyFraming::bkClose:
    CopyBytes(Reader, -1, Sink);
    return;
  }
}
