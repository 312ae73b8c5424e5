#pragma once
#include <cstddef>
#include <functional>
#include <string>

// Buffered reading of a reply: head lines, then body bytes.
class TReplyReader {
public:
  // Receive fills a buffer and returns the bytes read, 0 once the peer has closed.
  using TReceive = std::function<size_t(char* Buffer, size_t Count)>;
  explicit TReplyReader(TReceive Receive) : Source(std::move(Receive)) {}

  // The next line without its LF (and CR). False when the peer closed before any byte of it;
  // raises EIdException when it closes inside the line or the line exceeds MaxLength.
  bool ReadLine(std::string& Line, size_t MaxLength);
  // Up to Count bytes; 0 once the peer has closed.
  size_t Read(char* Buffer, size_t Count);

private:
  bool Fill();

  TReceive Source;
  std::string Pending;
  size_t Start = 0;
};
