#include "net/CookieJar.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string Text) {
  for (char& c : Text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Text;
}

std::string Trim(const std::string& Text) {
  const size_t first = Text.find_first_not_of(" \t");
  if (first == std::string::npos)
    return "";
  return Text.substr(first, Text.find_last_not_of(" \t") - first + 1);
}

// Splits "name=value" at its first "="; a part without "=" is all name.
std::pair<std::string, std::string> SplitPair(const std::string& Part) {
  const size_t equal = Part.find('=');
  if (equal == std::string::npos)
    return {Trim(Part), ""};
  return {Trim(Part.substr(0, equal)), Trim(Part.substr(equal + 1))};
}

// A control byte would break the request head that carries the cookie back.
bool HasControl(const std::string& Text) {
  return std::any_of(Text.begin(), Text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

bool ExpiresNow(const std::string& Attributes) {
  size_t start = 0;
  while (start < Attributes.size()) {
    size_t end = Attributes.find(';', start);
    if (end == std::string::npos)
      end = Attributes.size();
    const auto [name, value] = SplitPair(Attributes.substr(start, end - start));
    if (Lower(name) == "max-age" && !value.empty() && (value[0] == '-' || value.find_first_not_of('0') == std::string::npos))
      return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

void TCookieJar::Store(const std::string& Host, const std::string& SetCookie) {
  const size_t semicolon = SetCookie.find(';');
  const auto [name, value] = SplitPair(SetCookie.substr(0, semicolon));
  if (name.empty() || HasControl(name) || HasControl(value))
    return;
  auto& cookies = Hosts[Lower(Host)];
  auto found = std::find_if(cookies.begin(), cookies.end(), [&](const auto& c) { return c.first == name; });
  const bool remove = semicolon != std::string::npos && ExpiresNow(SetCookie.substr(semicolon + 1));
  if (remove) {
    if (found != cookies.end())
      cookies.erase(found);
    return;
  }
  if (found != cookies.end())
    found->second = value;
  else
    cookies.emplace_back(name, value);
}

std::string TCookieJar::Header(const std::string& Host) const {
  const auto cookies = Hosts.find(Lower(Host));
  if (cookies == Hosts.end())
    return "";
  std::string header;
  for (const auto& [name, value] : cookies->second) {
    if (!header.empty())
      header += "; ";
    header += name + "=" + value;
  }
  return header;
}
