#include "archive/ItemDecoder.h"

#include <limits>

#include "archive/Crc32.h"
#include "archive/XAExcept.h"
#include "platform/Stream.h"

namespace {

constexpr uint16_t MethodStored = 0;
constexpr uint16_t MethodDeflated = 8;
constexpr uint16_t MethodDeflate64 = 9;
constexpr uint16_t BlockFormatMinVersion = 11;

int64_t ClampToSigned(uint64_t Value) {
  return Value > uint64_t(std::numeric_limits<int64_t>::max()) ? std::numeric_limits<int64_t>::max()
                                                               : int64_t(Value);
}

}  // namespace

TXAVolumeNumberInfo ItemVolume(const TXABaseArchiver& Archiver, const TDirItem& Entry) {
  TXAVolumeNumberInfo volume;
  const TXADirManager* dir = Archiver.Directory.get();
  const bool zip64 = dir && dir->IsZip64;
  volume.SetNumber(zip64 ? int32_t(Entry.Zip64StartDisk) : int32_t(Entry.StartDisk));
  if (dir) volume.LastNumber = zip64 ? int32_t(dir->Zip64Locator.TotalDisks) - 1 : int32_t(dir->EndRecord.ThisDisk);
  return volume;
}

void TXABaseArchiver::DecodeItem(int32_t Index, TStream& Output) {
  const int32_t count = Directory ? Directory->Items.Count() : 0;
  if (Index < 0 || Index >= count) throw EXAException(16, this);
  const TDirItem& entry = Directory->Items.ItemPtr(Index);
  TXAVolumeNumberInfo volume = ItemVolume(*this, entry);
  OpenVolume(volume);
  // An offset no stream can reach reads as a header cut short.
  const uint64_t offset = entry.LocalHeaderOffset();
  ArchiveStream->SetPosition(offset > uint64_t(ArchiveStream->Size()) ? ArchiveStream->Size() : int64_t(offset));
  if (DecodeItemData(*ArchiveStream, Output, entry)) return;
  if (CancelRequested || ExtractCorruptedFiles || SkipFile) return;
  throw EXAException(8, this);
}

bool TXABaseArchiver::DecodeItemData(TStream& Archive, TStream& Output, const TDirItem& Entry) {
  return TItemDecoder(*this, Archive, Output, Entry).Decode();
}

TItemDecoder::TItemDecoder(TXABaseArchiver& Archiver, TStream& Archive, TStream& Output, const TDirItem& Entry)
    : Archiver(Archiver), Archive(&Archive), Output(Output), Entry(Entry), Volume(ItemVolume(Archiver, Entry)) {}

bool TItemDecoder::Decode() {
  uint8_t header[TLocalHeader::Size];
  Archive->ReadBuffer(header, sizeof header);
  Local.Parse(header);
  Archive->Seek(int64_t(Local.NameLen) + Local.ExtraLen, TSeekOrigin::soCurrent);

  BytesToRead = ClampToSigned(Entry.CompressedSize());
  const TXADirManager* dir = Archiver.Directory.get();
  if (Archiver.SpanningMode() == smNone && dir) {
    const int64_t position = Archive->Position();
    if (BytesToRead > dir->DirectoryStart - position) BytesToRead = dir->DirectoryStart - position;
  }
  Archiver.ProgressTotal = BytesToRead;
  Archiver.ProgressDone = 0;
  Archiver.SkipFile = false;

  bool result;
  const uint16_t method = Entry.CompressionMethod;
  if (method == MethodStored || method == MethodDeflated)
    result = DecodeZipData();
  else if (method == MethodDeflate64)
    throw EXAException(55, nullptr);
  else
    result = Entry.NeededVersion >= BlockFormatMinVersion && DecodeBlockFormat();

  if (Written != Entry.UncompressedSize()) return false;
  return result && ~Crc == Entry.DataCrc;
}

bool TItemDecoder::ReadFully(void* Buffer, int64_t Count) {
  auto* bytes = static_cast<uint8_t*>(Buffer);
  int64_t got = Archive->Read(bytes, Count);
  while (got < Count) {
    if (Archiver.SpanningMode() == smNone) return false;
    if (Volume.LastNumber >= 0 && Volume.Number >= Volume.LastNumber) return false;
    const std::string previous = Archiver.CurrentVolumeName;
    Volume.SetNumber(Volume.Number + 1);
    Archiver.OpenVolume(Volume);
    // A next volume that names the same file would read it again from its start, forever.
    if (Archiver.CurrentVolumeName == previous) return false;
    Archive = Archiver.ArchiveStream.get();
    Archive->SetPosition(0);
    const int64_t more = Archive->Read(bytes + got, Count - got);
    if (more <= 0) return false;
    got += more;
  }
  return true;
}

bool TItemDecoder::ProgressCancelled() {
  Archiver.ProgressDone = Consumed;
  if (!Archiver.ReportProgress) return false;
  const double share = double(Archiver.ProgressDone / Archiver.ProgressTotal);
  const TXAProcessOperation operation = Entry.CurrentOperation;
  Archiver.DoFileProgress(Entry.StoredName, operation, share * 100, ppProcess);
  if (Archiver.CancelRequested) return true;
  const double overall = (share + Archiver.DoneFileCount) / Archiver.SelectedFileCount * 100;
  Archiver.DoOverallProgress(operation, ppProcess, overall);
  return Archiver.CancelRequested;
}

bool TItemDecoder::Emit(const uint8_t* Data, uint64_t Count) {
  if (Count == 0) return true;
  const bool fits = Count <= OutputRoomLeft();
  if (!fits) Count = OutputRoomLeft();
  Crc = Crc32Update(Crc, Data, Count);
  const int64_t taken = Output.Write(Data, int64_t(Count));
  if (taken > 0) Written += uint64_t(taken);
  return fits && uint64_t(taken) == Count;
}
