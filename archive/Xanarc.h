#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "archive/DirManager.h"
#include "archive/XATypes.h"
#include "platform/Component.h"

class TStream;
struct TXAArchiveItem;

class TXAOptions : public TPersistent {
public:
  void Assign(const TPersistent& Source) override;  // all fields but ShareMode

  TXAStorePathMode StorePath = spRelativePath;
  bool Recurse = true;
  TXAFileShareMode ShareMode = smShareDenyNone;
  TXAOverwriteMode OverwriteMode = omAlways;
  bool CreateDirs = true;
  bool ReplaceReadOnly = true;
  bool SetAttributes = true;
  int32_t SearchAttr = 10431;
  bool FlushBuffers = true;
  bool OEMFileNames = true;
};

class TXASpanningOptions : public TPersistent {
public:
  void Assign(const TPersistent& Source) override;

  bool AdvancedNaming = true;
  int64_t FirstVolumeSize = 0;
  TXAVolumeSize VolumeSize = vsAutoDetect;
  int64_t CustomVolumeSize() const { return FCustomVolumeSize; }
  void SetCustomVolumeSize(int64_t Value);  // below 65536 stores 65536
  // Size limit of a volume (-1: none).
  int64_t VolumeSizeLimit(bool FirstVolume) const;

private:
  int64_t FCustomVolumeSize = 0;
};

class TXAVolumeNumberInfo {
public:
  enum : uint8_t { vkFirst = 0, vkLast = 1, vkNumbered = 2, vkUnknown = 3 };
  TXAVolumeNumberInfo() { Reset(); }
  void Reset();
  void SetFirst();
  void SetLast();
  void SetNumber(int32_t n);
  bool IsFirst() const;
  bool IsLast() const;
  bool SameVolume(const TXAVolumeNumberInfo& Other) const;

  uint8_t Kind = vkUnknown;
  int32_t Number = -1;
  int32_t LastNumber = -1;
};

// The process-wide recursive lock that serialises ProcessFiles runs of all instances.
std::recursive_mutex& ProcessLock();

class TXABaseArchiver : public TComponent {
public:
  explicit TXABaseArchiver(TComponent* AOwner = nullptr);
  ~TXABaseArchiver() override;
  TXABaseArchiver(const TXABaseArchiver&) = delete;
  TXABaseArchiver& operator=(const TXABaseArchiver&) = delete;

  // Published properties and their setters.
  bool ExtractCorruptedFiles = false;
  TXACompressionLevel CompressionLevel() const { return FCompressionLevel; }
  void SetCompressionLevel(TXACompressionLevel Value);
  uint8_t CompressionMode() const { return FCompressionMode; }
  void SetCompressionMode(int Value);  // error 5 above 9
  std::string CurrentVersion() const;  // "2.65 "
  void SetCurrentVersion(const std::string&) {}
  std::string Password;
  std::string FileName;
  std::string BaseDir;
  std::string TempDir;
  TXASpanningMode SpanningMode() const { return FSpanningMode; }
  void SetSpanningMode(TXASpanningMode Value);  // plain Exception while open
  TXASpanningOptions SpanningOptions;
  std::string SFXStub;
  TXAOptions Options;
  const std::vector<std::string>& FileMasks() const { return FFileMasks; }
  void SetFileMasks(const std::vector<std::string>& Lines) { FFileMasks = Lines; }
  const std::vector<std::string>& ExclusionMasks() const { return FExclusionMasks; }
  void SetExclusionMasks(const std::vector<std::string>& Lines) { FExclusionMasks = Lines; }
  const std::vector<std::string>& NoCompressionMasks() const { return FNoCompressionMasks; }
  void SetNoCompressionMasks(const std::vector<std::string>& Lines) { FNoCompressionMasks = Lines; }
  bool InMemory() const { return FInMemory; }
  void SetInMemory(bool Value);
  TZip64Mode Zip64Mode = zmAuto;

  TXAFileProgressEvent OnFileProgress;
  TXAProgressEvent OnOverallProgress;
  TXACopyTempFileProgressEvent OnCopyTempFileProgress;
  TXAConfirmOverwriteEvent OnConfirmOverwrite;
  TXAConfirmProcessFileEvent OnConfirmProcessFile;
  TNotifyEvent AfterOpen;
  TXAOnPasswordEvent OnPassword;
  TXAProcessFileFailureEvent OnProcessFileFailure;
  TXAOnRequestBlankVolumeEvent OnRequestBlankVolume;
  TXAOnRequestFirstVolumeEvent OnRequestFirstVolume;
  TXAOnRequestLastVolumeEvent OnRequestLastVolume;
  TXAOnRequestMiddleVolumeEvent OnRequestMiddleVolume;
  TXAOnDiskFullEvent OnDiskFull;
  TXAOnStoreFileEvent OnStoreFile;
  TXAOnExtractFileEvent OnExtractFile;
  TXAVolumeFailureEvent OnProcessVolumeFailure;  // unpublished

  // Opening and closing.
  void OpenArchive(uint16_t Mode);
  void OpenArchive();
  void CloseArchive();

  // Selection.
  bool FindFirst(const std::string& FileMask, TXAArchiveItem& Item, int32_t SearchAttr,
                 const std::string& ExclusionMask);
  bool FindNext(TXAArchiveItem& Item);
  void SelectItems(const std::string& FileMask, int32_t SearchAttr, const std::string& ExclusionMask);

  // Extraction.
  void ExtractFiles(const std::string& FileMask, int32_t SearchAttr, const std::string& ExclusionMask);
  void ProcessFiles(TXAProcessOperation Operation);
  void ExtractItem(int32_t Index, const std::string& Name, const std::string& BaseFolder);

  // Decoding.
  void DecodeItem(int32_t Index, TStream& Output);
  bool DecodeItemData(TStream& Archive, TStream& Output, const TDirItem& Entry);

  // Overridable operations, in slot order.
  virtual void UpdateNewItemMethod();
  virtual void DoOverallProgress(TXAProcessOperation Operation, TXAProgressPhase Phase, double Progress);
  virtual void DoFileProgress(const std::string& FileName, TXAProcessOperation Operation,
                              double Progress, TXAProgressPhase Phase);
  virtual void DoCopyTempFileProgress(double Progress, TXAProgressPhase Phase, bool& Cancel);
  virtual void DoConfirmOverwrite(const std::string& SourceFileName, std::string& DestFileName, bool& Confirm);
  virtual void DoConfirmProcessFile(const std::string& FileName, TXAProcessOperation Operation, bool& Confirm);
  virtual void DoPassword(const std::string& FileName, std::string& NewPassword, bool& Skip);
  virtual void DoProcessFileFailure(const std::string& FileName, TXAProcessOperation Operation,
                                    int32_t NativeError, int32_t ErrorCode,
                                    const std::string& ErrorMessage, TXAAction& Action);
  virtual void DoRequestBlankVolume(int32_t VolumeNumber, std::string& VolumeFileName, bool& Cancel);
  virtual void DoRequestFirstVolume(std::string& VolumeFileName, bool& Cancel);
  virtual void DoRequestLastVolume(std::string& VolumeFileName, bool& Cancel);
  virtual void DoRequestMiddleVolume(int32_t VolumeNumber, std::string& VolumeFileName, bool& Cancel);
  virtual void DoDiskFull(int32_t VolumeNumber, const std::string& VolumeFileName, bool& Cancel);
  virtual void DoProcessVolumeFailure(int32_t VolumeNumber, const std::string& VolumeFileName, bool& Cancel);
  virtual void DoStoreFile(std::string& FileName, uint32_t& FileAttr, std::string& Comment,
                           const std::string& OriginalFileName);
  virtual void DoExtractFile(std::string& FileName, uint32_t& FileAttr, const std::string& Comment);

  // Opening procedure helpers (existing archives).
  void OpenExistingArchive();
  void DetectMultiVolume();
  std::string SplitVolumeName(const std::string& ArchiveName, int32_t VolumeIndex) const;
  // Opens the volume VolumeInfo names; for a single file only opens FileName when no stream is open.
  void OpenVolume(TXAVolumeNumberInfo& Volume);

  // State, in declaration order.
  int32_t BatchDepth = 0;
  bool IsOpen = false;
  std::string CurrentVolumeName;
  TXAVolumeNumberInfo VolumeInfo;
  uint16_t StreamOpenMode = 0;
  int32_t DoneFileCount = 0;
  int32_t SelectedFileCount = 0;
  bool CancelRequested = false;
  bool ReportProgress = false;
  bool SkipFile = false;
  bool OpenDamagedArchives = true;
  long double ProgressDone = 0;
  long double ProgressTotal = 0;
  std::unique_ptr<TXADirManager> Directory;
  uint16_t NewItemMethod = 0xFFFF;
  std::unique_ptr<TStream> ArchiveStream;

protected:
  // Gives a new archive whose stream is still empty the end record of an empty archive.
  void FinishEmptyArchive();
  // The open procedure's probing loop: reads the last volume until its end record is found or
  // the set is known to be a single file.
  void ProbeLastVolume();
  void OpenSelfExtracting();
  // The file that holds a volume; on spanned sets the volume request events may rename it or
  // cancel (error 45).
  std::string VolumeFileName(const TXAVolumeNumberInfo& Volume);

  TXACompressionLevel FCompressionLevel = clFastest;
  uint8_t FCompressionMode = 1;
  TXASpanningMode FSpanningMode = smNone;
  bool FInMemory = false;
  std::vector<std::string> FFileMasks;
  std::vector<std::string> FExclusionMasks;
  std::vector<std::string> FNoCompressionMasks;
};

// The ZIP archive component.
class TXanarc : public TXABaseArchiver {
public:
  explicit TXanarc(TComponent* AOwner = nullptr);
  ~TXanarc() override = default;
  void UpdateNewItemMethod() override;  // 8 when CompressionMode is not 0, else 0
};
