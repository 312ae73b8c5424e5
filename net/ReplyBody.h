#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

#include "net/ReplyHead.h"
#include "net/ReplyReader.h"

// How a reply body ends: after an announced length, after the last chunk, or when the server
// closes the connection.
struct TBodyFraming {
  enum TKind { bkLength, bkChunked, bkClose } Kind = bkClose;
  int64_t Length = 0;  // bkLength only
};

// Raises EIdException for a Content-Length that is not a number.
TBodyFraming BodyFraming(const TReplyHead& Head);

// Hands the body to Sink piece by piece. A connection closed early ends the body without failure.
void ReadBody(TReplyReader& Reader, const TBodyFraming& Framing,
              const std::function<void(const char*, size_t)>& Sink);
