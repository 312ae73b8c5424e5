#include <string>

#include "archive/DirManager.h"
#include "archive/ForwardScanner.h"
#include "platform/Stream.h"

namespace {

constexpr int64_t StubScanWindow = 10000;

// Whether a whole local header, name included, at Position describes the same data as Item.
bool LocalHeaderMatches(TStream& Stream, int64_t Position, const TDirItem& Item) {
  const int64_t size = Stream.Size();
  if (size - Position < TLocalHeader::Size) return false;
  uint8_t image[TLocalHeader::Size];
  Stream.SetPosition(Position);
  if (Stream.Read(image, TLocalHeader::Size) != TLocalHeader::Size) return false;
  TLocalHeader Header;
  Header.Parse(image);
  if (size - Position - TLocalHeader::Size < Header.NameLen) return false;
  return Header.Signature == SigLocalHeader && Header.DataCrc == Item.DataCrc &&
         Header.NeededVersion == Item.NeededVersion && Header.CompressionMethod == Item.CompressionMethod &&
         Header.LastModTime == Item.LastModTime && Header.LastModDate == Item.LastModDate &&
         Header.PackedSize == Item.PackedSize && Header.UnpackedSize == Item.UnpackedSize;
}

}  // namespace

void TXADirManager::DetectStubSize(int64_t EndPosition) {
  // An empty directory has nothing to anchor on: everything before the end is stub.
  if (Items.Count() == 0) {
    StubSize = EndPosition;
    return;
  }
  const TDirItem& First = Items.ItemPtr(0);
  const int64_t saved = Stream->Position();
  const uint64_t size = uint64_t(Stream->Size());
  TForwardScanner Scanner(*Stream, SigLocalHeader, StubScanWindow);
  uint64_t start = First.LocalHeaderOffset();
  while (start < size) {
    const int64_t q = Scanner.Find(int64_t(start));
    if (q < 0) break;
    if (LocalHeaderMatches(*Stream, q, First)) {
      StubSize = q;
      break;
    }
    start = uint64_t(q) + 1;
  }
  Stream->SetPosition(saved);
}

bool TXADirManager::OffsetsAreAbsolute() const {
  const uint32_t stub = uint32_t(StubSize);
  for (int32_t i = 0; i < Items.Count(); ++i) {
    const TDirItem& Item = Items.ItemPtr(i);
    if (Item.PackedSize != 0) return Item.HeaderOffset >= stub;
  }
  return true;
}

void TXADirManager::ApplyStubSize() {
  const uint32_t stub = uint32_t(StubSize);
  for (int32_t i = 0; i < Items.Count(); ++i) {
    TDirItem& Item = Items.ItemPtr(i);
    if ((Item.ExternalAttr & 0x10) == 0) Item.HeaderOffset += stub;
  }
}
