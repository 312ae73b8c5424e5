#pragma once
#include <cstdint>
#include <vector>

class TStream;

// Finds the first occurrence of a 4-byte signature at or after a position by reading the stream
// forward in windows that overlap by the signature's length minus one. It keeps its last window
// and its last answer, so a scan that moves forward reads each byte about once. The stream
// position is restored after each search.
class TForwardScanner {
public:
  TForwardScanner(TStream& AStream, uint32_t ASignature, int64_t AWindowSize);
  int64_t Find(int64_t From);  // -1 when none

private:
  int64_t SearchWindow(int64_t From) const;

  TStream& Stream;
  uint8_t Signature[4];
  int64_t WindowSize;
  std::vector<uint8_t> Window;
  int64_t WindowStart = 0;
  int64_t WindowLen = 0;
  int64_t LastFrom = -1;
  int64_t LastResult = -1;
};
