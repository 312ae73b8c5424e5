#pragma once
#include <string>
#include <utility>
#include <vector>

#include "net/ReplyReader.h"

// The status line and header fields of one reply.
struct TReplyHead {
  std::string StatusLine;
  int Code = 0;
  std::vector<std::pair<std::string, std::string>> Fields;

  // Every value of the named field (names compare without case), in the order received.
  std::vector<std::string> Values(const std::string& Name) const;
  bool Has(const std::string& Name) const { return !Values(Name).empty(); }
};

// Reads a head, skipping interim (1xx) replies; raises EIdException on a malformed or
// oversized head and EIdConnClosedGracefully when the peer closes before it is complete.
TReplyHead ReadReplyHead(TReplyReader& Reader);
