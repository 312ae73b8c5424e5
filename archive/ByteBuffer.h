#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

// A growable byte buffer that keeps its storage between uses and never zero-fills it.
class TByteBuffer {
public:
  uint8_t* Data() { return Storage.get(); }
  size_t Size() const { return Used; }
  size_t Capacity() const { return Room; }
  size_t Free() const { return Room - Used; }
  uint8_t* End() { return Storage.get() + Used; }
  void Clear() { Used = 0; }
  void Grow(size_t Count) { Used += Count; }
  // Ensures room for at least Wanted bytes in all, keeping the content.
  void Reserve(size_t Wanted) {
    if (Wanted <= Room) return;
    auto bigger = std::make_unique_for_overwrite<uint8_t[]>(Wanted);
    if (Used) std::memcpy(bigger.get(), Storage.get(), Used);
    Storage = std::move(bigger);
    Room = Wanted;
  }

private:
  std::unique_ptr<uint8_t[]> Storage;
  size_t Room = 0;
  size_t Used = 0;
};
