#pragma once
#include <cstdint>
#include <string>

// The parts of an http://host[:port]/path URL that a request needs.
struct TUrl {
  std::string Host;
  uint16_t Port = 80;
  std::string Document;  // path and query, percent-encoded where needed, always starting "/"
};

// Raises EIdException for anything but a plain http URL with a host.
TUrl ParseUrl(const std::string& Url);
