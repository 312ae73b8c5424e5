// libFuzzer target: any bytes as a server's reply, read as head and body. Only failures of the
// network layer may come out.
#include <cstddef>
#include <cstdint>
#include <string>

#include "net/IdException.h"
#include "net/ReplyBody.h"
#include "net/ReplyHead.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string reply(reinterpret_cast<const char*>(Data), Size);
  size_t offset = 0;
  // Pieces of up to 7 bytes, so lines and chunks straddle the reads.
  TReplyReader reader([&](char* Buffer, size_t Count) {
    const size_t count = std::min({Count, size_t{7}, reply.size() - offset});
    reply.copy(Buffer, count, offset);
    offset += count;
    return count;
  });
  try {
    const TReplyHead head = ReadReplyHead(reader);
    size_t total = 0;
    ReadBody(reader, BodyFraming(head), [&](const char*, size_t Count) { total += Count; });
    if (total > Size)
      __builtin_trap();
  } catch (const EIdException&) {
  }
  return 0;
}
