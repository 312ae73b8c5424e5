#include <algorithm>
#include <string>

#include "archive/DirManager.h"
#include "archive/ForwardScanner.h"
#include "archive/LittleEndian.h"
#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/Stream.h"

namespace {

constexpr int64_t ScanWindow = 65535;
constexpr int64_t DescriptorSize = 16;
constexpr uint16_t MaxRecoveredExtraLen = 260;
constexpr uint16_t DataDescriptorFlag = 0x0008;
constexpr uint16_t Utf8NameFlag = 0x0800;

int64_t LocalHeaderAt(TForwardScanner& Scanner, TStream& Stream, int64_t From) {
  const int64_t q = Scanner.Find(From);
  return q >= 0 && Stream.Size() - q >= TLocalHeader::Size ? q : -1;
}

bool DataDescriptorAt(TForwardScanner& Scanner, TStream& Stream, int64_t From, uint8_t (&Descriptor)[16]) {
  const int64_t q = Scanner.Find(From);
  if (q < 0 || Stream.Size() - q < DescriptorSize) return false;
  const int64_t saved = Stream.Position();
  Stream.SetPosition(q);
  const bool read = Stream.Read(Descriptor, DescriptorSize) == DescriptorSize;
  Stream.SetPosition(saved);
  return read;
}

TDirItem ItemFromLocalHeader(const TLocalHeader& Header, int64_t Position) {
  TDirItem Item;
  Item.HeaderSignature = Header.Signature;
  Item.MadeByVersion = Header.NeededVersion;
  Item.NeededVersion = Header.NeededVersion;
  Item.GeneralFlags = Header.GeneralFlags;
  Item.CompressionMethod = Header.CompressionMethod;
  Item.LastModTime = Header.LastModTime;
  Item.LastModDate = Header.LastModDate;
  Item.DataCrc = Header.DataCrc;
  Item.PackedSize = Header.PackedSize;
  Item.UnpackedSize = Header.UnpackedSize;
  Item.NameLen = Header.NameLen;
  Item.ExtraLen = Header.ExtraLen;
  const bool emptyFile = Header.UnpackedSize == 0 && (Header.GeneralFlags & DataDescriptorFlag) == 0;
  Item.ExternalAttr = emptyFile ? 0x10 : 0x20;
  Item.HeaderOffset = uint32_t(Position);
  return Item;
}

}  // namespace

int64_t TXADirManager::FindLocalHeader(int64_t From) {
  TForwardScanner Scanner(*Stream, SigLocalHeader, ScanWindow);
  return LocalHeaderAt(Scanner, *Stream, From);
}

bool TXADirManager::FindDataDescriptor(int64_t From, uint8_t (&Descriptor)[16]) {
  TForwardScanner Scanner(*Stream, SigDataDescriptor, ScanWindow);
  return DataDescriptorAt(Scanner, *Stream, From, Descriptor);
}

void TXADirManager::RecoverFromLocalHeaders() {
  TStream& S = *Stream;
  TForwardScanner Headers(S, SigLocalHeader, ScanWindow);
  TForwardScanner Descriptors(S, SigDataDescriptor, ScanWindow);
  const int64_t size = S.Size();
  const bool oemNames = Archiver->Options.OEMFileNames;
  int64_t q = LocalHeaderAt(Headers, S, 0);
  if (q < 0) throw EXAException(35, nullptr);
  for (; q >= 0; q = LocalHeaderAt(Headers, S, q + 4)) {
    uint8_t image[TLocalHeader::Size];
    S.SetPosition(q);
    S.ReadBuffer(image, TLocalHeader::Size);
    TLocalHeader Header;
    Header.Parse(image);
    if (int64_t(Header.PackedSize) >= size || Header.ExtraLen > MaxRecoveredExtraLen) continue;

    TDirItem Item = ItemFromLocalHeader(Header, q);
    const int64_t nameLen = std::min<int64_t>(Header.NameLen, 999);
    if (nameLen > 0 && size - (q + TLocalHeader::Size) >= nameLen) {
      std::string raw(size_t(nameLen), '\0');
      S.ReadBuffer(raw.data(), nameLen);
      Item.StoredName = ApplyNameRule(raw, oemNames, (Header.GeneralFlags & Utf8NameFlag) != 0);
    }
    uint8_t descriptor[DescriptorSize];
    if ((Header.GeneralFlags & DataDescriptorFlag) != 0 && DataDescriptorAt(Descriptors, S, q, descriptor)) {
      Item.DataCrc = Get32(descriptor + 4);
      Item.PackedSize = Get32(descriptor + 8);
      Item.UnpackedSize = Get32(descriptor + 12);
    }
    const int32_t index = Items.Count();
    Items.SetCount(index + 1);
    Items.ItemPtr(index) = std::move(Item);
  }
}
