#include "net/ReplyHead.h"

#include <cctype>

#include "net/IdException.h"

namespace {

constexpr size_t MaxLineLength = 16384;
constexpr size_t MaxFields = 256;

bool EqualNoCase(const std::string& A, const std::string& B) {
  if (A.size() != B.size())
    return false;
  for (size_t i = 0; i < A.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(A[i])) != std::tolower(static_cast<unsigned char>(B[i])))
      return false;
  return true;
}

std::string Trim(const std::string& Text) {
  const size_t first = Text.find_first_not_of(" \t");
  if (first == std::string::npos)
    return "";
  return Text.substr(first, Text.find_last_not_of(" \t") - first + 1);
}

[[noreturn]] void RejectStatusLine(const std::string& Line) {
  throw EIdException("Réponse HTTP incorrecte : " + Line.substr(0, 80));
}

// "HTTP/1.1 404 Not Found": the version, a blank, three digits, then the optional text.
int ParseStatusCode(const std::string& Line) {
  if (Line.compare(0, 5, "HTTP/") != 0)
    RejectStatusLine(Line);
  const size_t blank = Line.find(' ');
  if (blank == std::string::npos || Line.size() < blank + 4)
    RejectStatusLine(Line);
  int code = 0;
  for (size_t i = blank + 1; i < blank + 4; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(Line[i])))
      RejectStatusLine(Line);
    code = code * 10 + (Line[i] - '0');
  }
  if (Line.size() > blank + 4 && Line[blank + 4] != ' ')
    RejectStatusLine(Line);
  return code;
}

std::string ReadRequiredLine(TReplyReader& Reader) {
  std::string line;
  if (!Reader.ReadLine(line, MaxLineLength))
    throw EIdConnClosedGracefully();
  return line;
}

TReplyHead ReadOneHead(TReplyReader& Reader) {
  TReplyHead head;
  head.StatusLine = ReadRequiredLine(Reader);
  head.Code = ParseStatusCode(head.StatusLine);
  for (;;) {
    const std::string line = ReadRequiredLine(Reader);
    if (line.empty())
      return head;
    if (head.Fields.size() == MaxFields)
      throw EIdException("En-tête de réponse HTTP trop long.");
    const size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0)
      throw EIdException("En-tête de réponse HTTP incorrect : " + line.substr(0, 80));
    head.Fields.emplace_back(line.substr(0, colon), Trim(line.substr(colon + 1)));
  }
}

}  // namespace

std::vector<std::string> TReplyHead::Values(const std::string& Name) const {
  std::vector<std::string> found;
  for (const auto& [name, value] : Fields)
    if (EqualNoCase(name, Name))
      found.push_back(value);
  return found;
}

TReplyHead ReadReplyHead(TReplyReader& Reader) {
  for (;;) {
    TReplyHead head = ReadOneHead(Reader);
    if (head.Code >= 200 || head.Code < 100)
      return head;
  }
}
