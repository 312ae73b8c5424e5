#include <algorithm>

#include "archive/DirManager.h"
#include "archive/XAExcept.h"
#include "platform/Stream.h"

namespace {

// Frees what an item owns and leaves a cleared slot.
void ReleaseItem(TDirItem& Item) {
  if (Item.OwnsSourceStream) delete Item.SourceStream;
  Item = TDirItem{};
}

}  // namespace

void TXADirArray::SetCount(int32_t n) {
  n = std::max(n, 0);
  if (n > FCapacity) {
    FGrowStep = std::min(FGrowStep * 2, MaxGrowStep);
    const int64_t grown = int64_t(FCapacity) + FGrowStep;
    FCapacity = grown > n ? int32_t(grown) : n;
    Slots.resize(size_t(FCapacity));
  } else if (n == 0) {
    for (TDirItem& Item : Slots) ReleaseItem(Item);
    Slots = {};
    FCapacity = 0;
  }
  FCount = n;
}

void TXADirArray::Clear() {
  for (int32_t i = 0; i < FCount; ++i) ReleaseItem(Slots[size_t(i)]);
  FCount = 0;
}

void TXADirArray::GetItem(int32_t i, TDirItem& Item) const {
  if (i < 0 || i >= FCount) throw EXAException(2, nullptr);
  Item = Slots[size_t(i)];
}

TDirItem& TXADirArray::ItemPtr(int32_t i) {
  if (i < 0 || i >= FCount) throw EXAException(3, nullptr);
  return Slots[size_t(i)];
}

const TDirItem& TXADirArray::ItemPtr(int32_t i) const {
  if (i < 0 || i >= FCount) throw EXAException(3, nullptr);
  return Slots[size_t(i)];
}

void TXADirArray::SetItem(int32_t i, const TDirItem& Item) {
  if (i < 0 || i >= FCount) throw EXAException(1, nullptr);
  TDirItem& Slot = Slots[size_t(i)];
  ReleaseItem(Slot);
  Slot = Item;
  Slot.OwnsSourceStream = 0;  // the source keeps its stream; one owner frees it
}

void TXADirArray::Delete(int32_t i) {
  if (i < 0 || i >= FCount) throw EXAException(4, nullptr);
  ReleaseItem(Slots[size_t(i)]);
  std::rotate(Slots.begin() + i, Slots.begin() + i + 1, Slots.begin() + FCount);
  --FCount;
}

void TXADirArray::AssignItems(const TXADirArray& Other) {
  Clear();
  SetCount(Other.Count());
  for (int32_t i = 0; i < Other.Count(); ++i) SetItem(i, Other.ItemPtr(i));
}

void TXADirArray::ClearSelection() {
  for (int32_t i = 0; i < FCount; ++i) Slots[size_t(i)].Selected = false;
}
