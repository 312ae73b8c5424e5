#include <tuple>

#include "archive/VolumeNaming.h"
#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/FileStream.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

// Holds OpenDamagedArchives False while the volumes are probed, and restores it however the
// probing ends.
class TDamagedArchivesHold {
public:
  explicit TDamagedArchivesHold(bool& AFlag) : Flag(AFlag), Saved(AFlag) { Flag = false; }
  ~TDamagedArchivesHold() { Flag = Saved; }
  TDamagedArchivesHold(const TDamagedArchivesHold&) = delete;
  TDamagedArchivesHold& operator=(const TDamagedArchivesHold&) = delete;

private:
  bool& Flag;
  bool Saved;
};

}  // namespace

void TXABaseArchiver::OpenExistingArchive() {
  FSpanningMode = smNone;
  VolumeInfo.Reset();
  {
    TDamagedArchivesHold hold(OpenDamagedArchives);
    if (ContainsExe(ExtractFileExt(FileName)))
      OpenSelfExtracting();
    else
      ProbeLastVolume();
  }
  if (!Directory->HasEndRecord()) {
    ArchiveStream.reset();
    throw EXAException(48, this);
  }
  Directory->ReadDirectory();
}

void TXABaseArchiver::OpenSelfExtracting() {
  VolumeInfo.SetLast();
  OpenVolume(VolumeInfo);
  Directory = std::make_unique<TXADirManager>(ArchiveStream.get(), this, false);
  if (Directory->HasEndRecord()) {
    DetectMultiVolume();
    return;
  }
  Directory.reset();
  FSpanningMode = smSplitting;
  if (FileExists(SplitVolumeName(FileName, -1))) {
    VolumeInfo.Reset();
    VolumeInfo.SetLast();
    OpenVolume(VolumeInfo);
  }
  FSpanningMode = smNone;
  ProbeLastVolume();
}

void TXABaseArchiver::ProbeLastVolume() {
  // A round that changes nothing would read the same bytes again forever: stop there.
  using TRound = std::tuple<TXASpanningMode, bool, std::string>;
  TRound previous{smNone, false, ""};
  for (bool firstRound = true;; firstRound = false) {
    Directory.reset();
    VolumeInfo.Reset();
    VolumeInfo.SetLast();
    if (!FileExists(FileName) && IsRemovableDrive(FileName)) FSpanningMode = smSpanning;
    OpenVolume(VolumeInfo);
    Directory = std::make_unique<TXADirManager>(ArchiveStream.get(), this, false);
    const bool found = Directory->HasEndRecord();
    DetectMultiVolume();
    if (found || FSpanningMode == smNone) return;
    const TRound round{FSpanningMode, SpanningOptions.AdvancedNaming, CurrentVolumeName};
    if (!firstRound && round == previous) return;
    previous = round;
  }
}

void TXABaseArchiver::DetectMultiVolume() {
  const TEndRecord& End = Directory->EndRecord;
  const int32_t disk = End.ThisDisk;
  if (End.Signature == 0) {
    FSpanningMode = IsRemovableDrive(FileName) ? smSpanning : smNone;
    return;
  }
  if (Directory->EndRecordFound && disk == 0) {
    FSpanningMode = smNone;
    return;
  }
  FSpanningMode = smSplitting;
  if (FileExists(SplitVolumeName(FileName, disk - 1))) {
    if (disk == 0) FSpanningMode = smNone;
    return;
  }
  SpanningOptions.AdvancedNaming = !SpanningOptions.AdvancedNaming;
  if (FileExists(SplitVolumeName(FileName, disk - 1))) return;
  SpanningOptions.AdvancedNaming = !SpanningOptions.AdvancedNaming;
  const bool single = ContainsExe(FileName) || (disk == 0 && !IsRemovableDrive(FileName));
  FSpanningMode = single ? smNone : smSpanning;
}

std::string TXABaseArchiver::VolumeFileName(const TXAVolumeNumberInfo& Volume) {
  if (FSpanningMode == smSplitting)
    return SplitVolumeName(FileName, Volume.IsLast() ? -1 : Volume.Number);
  std::string name = FileName;
  if (FSpanningMode == smSpanning) {
    bool cancel = false;
    if (Volume.IsLast())
      DoRequestLastVolume(name, cancel);
    else if (Volume.IsFirst())
      DoRequestFirstVolume(name, cancel);
    else
      DoRequestMiddleVolume(Volume.Number, name, cancel);
    if (cancel) throw EXAException(45, this);
  }
  return name;
}

void TXABaseArchiver::OpenVolume(TXAVolumeNumberInfo& Volume) {
  if (FSpanningMode == smNone && ArchiveStream) return;
  const std::string name = VolumeFileName(Volume);
  VolumeInfo = Volume;
  if (ArchiveStream && name == CurrentVolumeName) return;
  ArchiveStream = std::make_unique<TFileStream>(name, StreamOpenMode);
  CurrentVolumeName = name;
}
