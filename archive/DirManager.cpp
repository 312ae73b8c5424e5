#include "archive/DirManager.h"

#include <algorithm>
#include <optional>

#include "archive/LittleEndian.h"
#include "archive/StreamReader.h"
#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/Stream.h"

namespace {

constexpr int64_t EndSearchWindow = 65600;
constexpr uint16_t Zip64ExtraId = 0x0001;

// Takes the ZIP64 values of the fields that are saturated, in their fixed order.
void ApplyZip64Extra(TDirItem& Item, const std::vector<uint8_t>& Data) {
  size_t k = 0;
  auto take64 = [&](bool saturated, uint64_t& Target) {
    if (!saturated || Data.size() < k + 8) return;
    Target = Get64(Data.data() + k);
    k += 8;
  };
  take64(Item.UnpackedSize == 0xFFFFFFFF, Item.Zip64UnpackedSize);
  take64(Item.PackedSize == 0xFFFFFFFF, Item.Zip64PackedSize);
  take64(Item.HeaderOffset == 0xFFFFFFFF, Item.Zip64HeaderOffset);
  if (Item.StartDisk == 0xFFFF && Data.size() >= k + 2) Item.Zip64StartDisk = Get16(Data.data() + k);
  Item.HasZip64Field = true;
}

// Reads the extra field of an entry; records longer than the field are cut to it, and a last
// header that does not fit is skipped, so nothing is taken from outside the entry.
void ReadExtraField(TStreamReader& In, TDirItem& Item) {
  Item.HasZip64Field = false;
  int64_t consumed = 0;
  while (consumed < Item.ExtraLen) {
    const int64_t left = Item.ExtraLen - consumed;
    if (left < 4) {
      uint8_t rest[4];
      In.Read(rest, left);
      return;
    }
    uint8_t header[4];
    In.Read(header, 4);
    consumed += 4;
    TExtraField Field;
    Field.FieldId = Get16(header);
    Field.FieldSize = uint16_t(std::min<int64_t>(Get16(header + 2), Item.ExtraLen - consumed));
    Field.FieldData.resize(Field.FieldSize);
    In.Read(Field.FieldData.data(), Field.FieldSize);
    consumed += Field.FieldSize;
    if (Field.FieldId == Zip64ExtraId) ApplyZip64Extra(Item, Field.FieldData);
    Item.Extras.push_back(std::move(Field));
  }
}

std::string ReadText(TStreamReader& In, size_t Length) {
  std::string text(Length, '\0');
  In.Read(text.data(), int64_t(Length));
  return text;
}

}  // namespace

TXADirManager::TXADirManager(TStream* AStream, TXABaseArchiver* AArchiver, bool ACreateMode)
    : Stream(AStream), CreateMode(ACreateMode), Archiver(AArchiver) {
  ResetDirectory();
  if (CreateMode) Archiver->VolumeInfo.SetFirst();
}

void TXADirManager::ResetDirectory() {
  Items.Clear();
  EndRecord = TEndRecord{};
  EndRecord.Signature = SigEndRecord;
}

bool TXADirManager::FindEndRecord(TEndRecord& Record, int64_t& Position) {
  Position = -1;
  DirComment.clear();
  Record = TEndRecord{};
  const int64_t size = Stream->Size();
  const int64_t window = std::min(size, EndSearchWindow);
  std::vector<uint8_t> buffer(static_cast<size_t>(window));
  Stream->SetPosition(size - window);
  Stream->ReadBuffer(buffer.data(), window);
  const int64_t base = size - window;
  for (int64_t i = window - 1; i >= 3; --i) {
    if (buffer[i] != 6 || buffer[i - 1] != 5 || buffer[i - 2] != 'K' || buffer[i - 3] != 'P') continue;
    const int64_t candidate = base + i - 3;
    if (size - candidate < TEndRecord::Size) continue;
    Record.Parse(&buffer[size_t(i - 3)]);
    if (Record.CommentLen != size - (candidate + TEndRecord::Size)) continue;
    Position = candidate;
    const uint8_t* comment = &buffer[size_t(i - 3 + TEndRecord::Size)];
    DirComment.assign(reinterpret_cast<const char*>(comment), Record.CommentLen);
    return true;
  }
  return false;
}

bool TXADirManager::HasEndRecord() {
  int64_t position;
  EndRecordFound = FindEndRecord(EndRecord, position);
  return Archiver->OpenDamagedArchives || EndRecordFound;
}

void TXADirManager::ReadDirectory() {
  TXAVolumeNumberInfo Volume;
  ResetDirectory();
  StubSize = 0;
  DirectoryStart = 0;
  const bool singleVolume = Archiver->SpanningMode() == smNone;

  TEndRecord End;
  int64_t P;
  if (!FindEndRecord(End, P)) {
    if (!singleVolume) throw EXAException(44, nullptr);
    RecoverFromLocalHeaders();
    DirectoryStart = Stream->Size();
    return;
  }
  EndRecord = End;

  IsZip64 = false;
  if (P > TZip64Locator::Size) {
    uint8_t locator[TZip64Locator::Size];
    Stream->SetPosition(P - TZip64Locator::Size);
    Stream->ReadBuffer(locator, TZip64Locator::Size);
    Zip64Locator.Parse(locator);
    IsZip64 = Zip64Locator.Signature == SigZip64Locator;
    if (IsZip64) P -= TZip64Locator::Size;
  }
  if (IsZip64) {
    bool found = false;
    if (P > TZip64EndRecord::Size) {
      uint8_t record[TZip64EndRecord::Size];
      TStreamReader In(*Stream);
      In.Seek(int64_t(Zip64Locator.EndRecordOffset));
      In.Read(record, TZip64EndRecord::Size);
      Zip64EndRecord.Parse(record);
      found = Zip64EndRecord.Signature == SigZip64EndRecord;
    }
    if (!found) throw EXAException(40, nullptr);
    P -= TZip64EndRecord::Size;
  }

  int64_t firstVolume, lastVolume;
  if (IsZip64) {
    firstVolume = Zip64EndRecord.DirStartDisk;
    lastVolume = int64_t(Zip64Locator.TotalDisks) - 1;
  } else {
    if (EndRecord.DirStartDisk == 0xFFFF) EndRecord.DirStartDisk = 0;
    if (EndRecord.ThisDisk == 0xFFFF) EndRecord.ThisDisk = 0;
    firstVolume = EndRecord.DirStartDisk;
    lastVolume = EndRecord.ThisDisk;
  }
  Volume.LastNumber = int32_t(lastVolume);
  Volume.SetNumber(int32_t(firstVolume));
  if (!singleVolume) SwitchVolume(Volume);

  int64_t start;
  if (IsZip64)
    start = singleVolume ? P - int64_t(Zip64EndRecord.DirSize) : int64_t(Zip64EndRecord.DirOffset);
  else
    start = singleVolume ? P - int64_t(EndRecord.DirSize) : int64_t(EndRecord.DirOffset);
  const uint32_t count = IsZip64 ? uint32_t(Zip64EndRecord.TotalEntries) : EndRecord.TotalEntries;
  ReadEntries(start, count, Volume);

  if (lastVolume == 0) DetectStubSize(P);
  if (!OffsetsAreAbsolute()) ApplyStubSize();
}

void TXADirManager::ReadEntries(int64_t Start, uint32_t Count, TXAVolumeNumberInfo& Volume) {
  const bool singleVolume = Archiver->SpanningMode() == smNone;
  const bool oemNames = Archiver->Options.OEMFileNames;
  std::optional<TStreamReader> In(std::in_place, *Stream);
  In->Seek(Start);
  // Reserve only what the stream can hold: a count the directory cannot contain must not
  // allocate; entries beyond it would fail to read anyway.
  const bool startInside = Start >= 0 && In->Remaining() >= 0;
  const int64_t room = startInside ? In->Remaining() / TDirItem::ImageSize : 0;
  Items.SetCount(0);
  Items.SetCount(int32_t(std::min<int64_t>(Count, room)));
  for (int64_t i = 0; i < int64_t(Count); ++i) {
    if (!singleVolume && In->Remaining() < TDirItem::ImageSize) {
      const TStream* exhausted = Stream;
      Volume.SetNumber(Volume.Number + 1);
      SwitchVolume(Volume);
      // The same file again holds no further entries: reading it from its start would loop.
      if (Stream == exhausted) throw EReadError("Stream read error");
      In.emplace(*Stream);
    }
    if (i == 0) DirectoryStart = In->Position();
    uint8_t image[TDirItem::ImageSize];
    In->Read(image, TDirItem::ImageSize);
    if (i >= Items.Count()) Items.SetCount(int32_t(i + 1));
    TDirItem& Item = Items.ItemPtr(int32_t(i));
    Item.ParseImage(image);
    const std::string raw = ReadText(*In, Item.NameLen);
    ReadExtraField(*In, Item);
    Item.StoredName = Item.NameLen > 0 ? EntryName(raw, Item, oemNames) : std::string();
    Item.ItemComment = ReadText(*In, Item.CommentLen);
  }
}

void TXADirManager::SwitchVolume(TXAVolumeNumberInfo& VolumeInfo) {
  Archiver->OpenVolume(VolumeInfo);
  Stream = Archiver->ArchiveStream.get();
}

void TXADirManager::WriteDirectory() {
  TEndRecord Empty;
  Empty.Signature = SigEndRecord;
  Empty.CommentLen = uint16_t(std::min<size_t>(DirComment.size(), 0xFFFF));
  uint8_t image[TEndRecord::Size];
  Empty.Store(image);
  Stream->Seek(0, TSeekOrigin::soEnd);
  Stream->WriteBuffer(image, TEndRecord::Size);
  Stream->WriteBuffer(DirComment.data(), Empty.CommentLen);
}
