#pragma once
#include "platform/Stream.h"

// An output that takes every byte and keeps none; for testing an archive's items.
class TNullStream : public TStream {
public:
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void*, int64_t Count) override {
    Pos += Count;
    if (Pos > Length) Length = Pos;
    return Count;
  }
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
    const int64_t base = Origin == TSeekOrigin::soBeginning ? 0 : Origin == TSeekOrigin::soCurrent ? Pos : Length;
    Pos = base + Offset;
    return Pos;
  }
  int64_t Size() override { return Length; }
  void SetSize(int64_t NewSize) override { Length = NewSize; }

private:
  int64_t Pos = 0;
  int64_t Length = 0;
};
