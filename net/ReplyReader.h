#pragma once
#include <cstddef>
#include <string>

#include "net/Socket.h"

// Buffered reading of a reply: head lines, then body bytes.
class TReplyReader {
public:
  explicit TReplyReader(TSocket& Socket) : Source(Socket) {}

  // The next line without its LF (and CR). False when the peer closed before any byte of it;
  // raises EIdException when it closes inside the line or the line exceeds MaxLength.
  bool ReadLine(std::string& Line, size_t MaxLength);
  // Up to Count bytes; 0 once the peer has closed.
  size_t Read(char* Buffer, size_t Count);

private:
  bool Fill();

  TSocket& Source;
  std::string Pending;
  size_t Start = 0;
};
