#pragma once
#include <cstdint>
#include <vector>

class TStream;

// Sequential reads through a read-ahead buffer. A read the stream cannot satisfy raises the
// platform's stream read error, exactly as an unbuffered ReadBuffer would.
class TStreamReader {
public:
  explicit TStreamReader(TStream& AStream);
  void Seek(int64_t Pos);
  int64_t Position() const { return Pos; }
  int64_t Remaining() const { return Size - Pos; }
  void Read(void* Buffer, int64_t Count);

private:
  TStream& Stream;
  int64_t Size;
  int64_t Pos = 0;
  std::vector<uint8_t> Window;
  int64_t WindowStart = 0;
  int64_t WindowLen = 0;
};
