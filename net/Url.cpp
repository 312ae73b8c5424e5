#include "net/Url.h"

#include <cctype>

#include "net/IdException.h"

namespace {

bool StartsWithNoCase(const std::string& Text, const std::string& Prefix) {
  if (Text.size() < Prefix.size())
    return false;
  for (size_t i = 0; i < Prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(Text[i])) != Prefix[i])
      return false;
  return true;
}

[[noreturn]] void Reject(const std::string& Url) {
  throw EIdException("Adresse incorrecte : " + Url);
}

uint16_t ParsePort(const std::string& Text, const std::string& Url) {
  if (Text.empty() || Text.size() > 5)
    Reject(Url);
  unsigned value = 0;
  for (char c : Text) {
    if (c < '0' || c > '9')
      Reject(Url);
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value == 0 || value > 65535)
    Reject(Url);
  return static_cast<uint16_t>(value);
}

// Blanks, controls and 8-bit bytes cannot travel in a request line.
std::string EncodeDocument(const std::string& Document) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string encoded;
  for (unsigned char c : Document) {
    if (c > 0x20 && c < 0x7F) {
      encoded += static_cast<char>(c);
      continue;
    }
    encoded += '%';
    encoded += Hex[c >> 4];
    encoded += Hex[c & 15];
  }
  return encoded;
}

}  // namespace

TUrl ParseUrl(const std::string& Url) {
  const std::string scheme = "http://";
  if (!StartsWithNoCase(Url, scheme))
    Reject(Url);
  std::string rest = Url.substr(scheme.size());
  rest = rest.substr(0, rest.find('#'));
  const size_t slash = rest.find_first_of("/?");
  std::string authority = rest.substr(0, slash);
  TUrl parts;
  const std::string document = slash == std::string::npos ? "" : rest.substr(slash);
  parts.Document = EncodeDocument(document.starts_with('/') ? document : "/" + document);
  if (authority.find('@') != std::string::npos)
    Reject(Url);
  const size_t colon = authority.find(':');
  if (colon != std::string::npos) {
    parts.Port = ParsePort(authority.substr(colon + 1), Url);
    authority.resize(colon);
  }
  if (authority.empty())
    Reject(Url);
  parts.Host = authority;
  return parts;
}
