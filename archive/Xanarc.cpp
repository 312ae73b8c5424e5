#include "archive/Xanarc.h"

#include <algorithm>

#include "archive/XAExcept.h"
#include "platform/FileStream.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

constexpr uint16_t CreateMode = 0xFFFF;
constexpr uint16_t TestOpenMode = fmOpenReadWrite | fmShareDenyWrite;
constexpr uint16_t FallbackOpenMode = fmOpenRead | fmShareDenyNone;

}  // namespace

std::recursive_mutex& ProcessLock() {
  static std::recursive_mutex lock;
  return lock;
}

void TXAOptions::Assign(const TPersistent& Source) {
  const auto* other = dynamic_cast<const TXAOptions*>(&Source);
  if (!other) return TPersistent::Assign(Source);
  const TXAFileShareMode keptShareMode = ShareMode;
  *this = *other;
  ShareMode = keptShareMode;
}

void TXASpanningOptions::Assign(const TPersistent& Source) {
  const auto* other = dynamic_cast<const TXASpanningOptions*>(&Source);
  if (!other) return TPersistent::Assign(Source);
  *this = *other;
}

void TXASpanningOptions::SetCustomVolumeSize(int64_t Value) { FCustomVolumeSize = std::max<int64_t>(Value, 65536); }

int64_t TXASpanningOptions::VolumeSizeLimit(bool FirstVolume) const {
  static constexpr int64_t FixedSizes[] = {1457664,   104857600, 209715200, 262144000,
                                           629145600, 681574400, 734003200, 4928307200};
  if (FirstVolume && FirstVolumeSize > 0) return FirstVolumeSize;
  if (VolumeSize == vsAutoDetect) return -1;
  if (VolumeSize == vsCustom) return FCustomVolumeSize;
  return FixedSizes[VolumeSize - vs1_44MB];
}

void TXAVolumeNumberInfo::Reset() {
  Kind = vkUnknown;
  Number = -1;
  LastNumber = -1;
}

void TXAVolumeNumberInfo::SetFirst() {
  Number = 0;
  Kind = vkFirst;
}

void TXAVolumeNumberInfo::SetLast() {
  Number = LastNumber;
  Kind = vkLast;
}

void TXAVolumeNumberInfo::SetNumber(int32_t n) {
  Kind = vkNumbered;
  Number = n;
}

bool TXAVolumeNumberInfo::IsFirst() const { return Number == 0; }

bool TXAVolumeNumberInfo::IsLast() const { return LastNumber == -1 ? Kind == vkLast : Number == LastNumber; }

bool TXAVolumeNumberInfo::SameVolume(const TXAVolumeNumberInfo& Other) const {
  if (IsLast()) return Other.IsLast();
  if (IsFirst()) return Other.IsFirst();
  if (Number < 0) return Kind == Other.Kind;
  return Number == Other.Number;
}

TXABaseArchiver::TXABaseArchiver(TComponent* AOwner) : TComponent(AOwner) {
  SetCompressionLevel(clFastest);
}

TXABaseArchiver::~TXABaseArchiver() { CloseArchive(); }

void TXABaseArchiver::SetCompressionLevel(TXACompressionLevel Value) {
  static constexpr uint8_t Modes[] = {0, 1, 6, 9};
  FCompressionLevel = Value;
  FCompressionMode = Modes[Value];
  UpdateNewItemMethod();
}

void TXABaseArchiver::SetCompressionMode(int Value) {
  if (Value < 0 || Value > 9) throw EXAException(5, this);
  FCompressionMode = uint8_t(Value);
  if (Value == 0)
    FCompressionLevel = clNone;
  else if (Value <= 3)
    FCompressionLevel = clFastest;
  else if (Value <= 6)
    FCompressionLevel = clNormal;
  else
    FCompressionLevel = clMax;
  UpdateNewItemMethod();
}

std::string TXABaseArchiver::CurrentVersion() const { return "2.65 "; }

void TXABaseArchiver::SetSpanningMode(TXASpanningMode Value) {
  if (IsOpen) throw Exception("Cannot set spanning mode on open archive");
  FSpanningMode = Value;
}

void TXABaseArchiver::UpdateNewItemMethod() { NewItemMethod = 0xFFFF; }

void TXABaseArchiver::OpenArchive(uint16_t Mode) {
  if (!FInMemory && ExtractFileName(FileName).empty()) throw EXAException(10, this);
  if (Mode != CreateMode && !FileExists(FileName) && FSpanningMode != smSpanning && !IsRemovableDrive(FileName))
    throw EXAException(12, {FileName}, this);
  if (Mode != CreateMode && FInMemory) throw EXAException(28, {FileName}, this);
  CloseArchive();
  StreamOpenMode = Mode;
  if (FInMemory) {
    ArchiveStream = std::make_unique<TMemoryStream>();
    Directory = std::make_unique<TXADirManager>(ArchiveStream.get(), this, true);
  } else if (Mode == CreateMode) {
    VolumeInfo.SetFirst();
    ArchiveStream = std::make_unique<TFileStream>(FileName, fmCreate);
    CurrentVolumeName = FileName;
    Directory = std::make_unique<TXADirManager>(ArchiveStream.get(), this, true);
  } else {
    OpenExistingArchive();
  }
  IsOpen = true;
  if (AfterOpen) AfterOpen(this);
}

void TXABaseArchiver::OpenArchive() {
  if (!FInMemory && ExtractFileName(FileName).empty()) throw EXAException(9, this);
  if (FInMemory || !FileExists(FileName)) return OpenArchive(CreateMode);
  uint16_t mode = TestOpenMode;
  try {
    TFileStream probe(FileName, TestOpenMode);
  } catch (const EStreamError&) {
    mode = FallbackOpenMode;
  }
  OpenArchive(mode);
}

void TXABaseArchiver::FinishEmptyArchive() {
  if (ArchiveStream && Directory && ArchiveStream->Size() == 0) Directory->WriteDirectory();
}

void TXABaseArchiver::CloseArchive() {
  if (IsOpen) {
    try {
      FinishEmptyArchive();
    } catch (...) {
      // Closing always completes; a failed write leaves the file as it is.
    }
    IsOpen = false;
  }
  ArchiveStream.reset();
  Directory.reset();
}

void TXABaseArchiver::SetInMemory(bool Value) {
  if (Value == FInMemory) return;
  if (IsOpen) {
    if (FInMemory) {
      if (FileName.empty()) throw EXAException(29, this);
      // A new archive that is still empty gets its end record first, so the file is valid.
      FinishEmptyArchive();
      TFileStream File(FileName, fmCreate);
      File.CopyFrom(*ArchiveStream, 0);
    }
    CloseArchive();
    FInMemory = Value;
    OpenArchive();
  }
  FInMemory = Value;
}

void TXABaseArchiver::DoCopyTempFileProgress(double Progress, TXAProgressPhase Phase, bool& Cancel) {
  if (OnCopyTempFileProgress) OnCopyTempFileProgress(this, Progress, Phase, Cancel);
}

void TXABaseArchiver::DoRequestBlankVolume(int32_t VolumeNumber, std::string& VolumeFileName, bool& Cancel) {
  if (OnRequestBlankVolume) OnRequestBlankVolume(this, VolumeNumber, VolumeFileName, Cancel);
}

void TXABaseArchiver::DoRequestFirstVolume(std::string& VolumeFileName, bool& Cancel) {
  if (OnRequestFirstVolume) OnRequestFirstVolume(this, VolumeFileName, Cancel);
}

void TXABaseArchiver::DoRequestLastVolume(std::string& VolumeFileName, bool& Cancel) {
  if (OnRequestLastVolume) OnRequestLastVolume(this, VolumeFileName, Cancel);
}

void TXABaseArchiver::DoRequestMiddleVolume(int32_t VolumeNumber, std::string& VolumeFileName, bool& Cancel) {
  if (OnRequestMiddleVolume) OnRequestMiddleVolume(this, VolumeNumber, VolumeFileName, Cancel);
}

void TXABaseArchiver::DoDiskFull(int32_t VolumeNumber, const std::string& VolumeFileName, bool& Cancel) {
  if (OnDiskFull) OnDiskFull(this, VolumeNumber, VolumeFileName, Cancel);
}

void TXABaseArchiver::DoProcessVolumeFailure(int32_t VolumeNumber, const std::string& VolumeFileName,
                                             bool& Cancel) {
  if (OnProcessVolumeFailure) OnProcessVolumeFailure(this, VolumeNumber, VolumeFileName, Cancel);
}

void TXABaseArchiver::DoStoreFile(std::string& FileName, uint32_t& FileAttr, std::string& Comment,
                                  const std::string& OriginalFileName) {
  if (OnStoreFile) OnStoreFile(this, FileName, FileAttr, Comment, OriginalFileName);
}

TXanarc::TXanarc(TComponent* AOwner) : TXABaseArchiver(AOwner) {
  Zip64Mode = zmDisabled;
  // The base constructor ran before this class's override existed.
  UpdateNewItemMethod();
}

void TXanarc::UpdateNewItemMethod() { NewItemMethod = CompressionMode() != 0 ? 8 : 0; }
