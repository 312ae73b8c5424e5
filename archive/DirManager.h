#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/XATypes.h"

class TStream;
class TXABaseArchiver;
class TXAVolumeNumberInfo;

constexpr uint32_t SigLocalHeader = 0x04034B50;
constexpr uint32_t SigCentralEntry = 0x02014B50;
constexpr uint32_t SigEndRecord = 0x06054B50;
constexpr uint32_t SigZip64Locator = 0x07064B50;
constexpr uint32_t SigZip64EndRecord = 0x06064B50;
constexpr uint32_t SigDataDescriptor = 0x08074B50;

// End of central directory record, 22 bytes on disk.
struct TEndRecord {
  uint32_t Signature = 0;
  uint16_t ThisDisk = 0;
  uint16_t DirStartDisk = 0;
  uint16_t EntriesThisDisk = 0;
  uint16_t TotalEntries = 0;
  uint32_t DirSize = 0;
  uint32_t DirOffset = 0;
  uint16_t CommentLen = 0;
  static constexpr int Size = 22;
  void Parse(const uint8_t* p);
  void Store(uint8_t* p) const;
};

// ZIP64 end of central directory locator, 20 bytes.
struct TZip64Locator {
  uint32_t Signature = 0;
  uint32_t EndRecordDisk = 0;
  uint64_t EndRecordOffset = 0;
  uint32_t TotalDisks = 0;
  static constexpr int Size = 20;
  void Parse(const uint8_t* p);
};

// ZIP64 end of central directory record, the 56 bytes that are read.
struct TZip64EndRecord {
  uint32_t Signature = 0;
  uint64_t RecordSize = 0;
  uint16_t MadeByVersion = 0;
  uint16_t NeededVersion = 0;
  uint32_t ThisDisk = 0;
  uint32_t DirStartDisk = 0;
  uint64_t EntriesThisDisk = 0;
  uint64_t TotalEntries = 0;
  uint64_t DirSize = 0;
  uint64_t DirOffset = 0;
  static constexpr int Size = 56;
  void Parse(const uint8_t* p);
};

// Local file header, 30 bytes (name and extra field follow).
struct TLocalHeader {
  uint32_t Signature = 0;
  uint16_t NeededVersion = 0;
  uint16_t GeneralFlags = 0;
  uint16_t CompressionMethod = 0;
  uint16_t LastModTime = 0;
  uint16_t LastModDate = 0;
  uint32_t DataCrc = 0;
  uint32_t PackedSize = 0;
  uint32_t UnpackedSize = 0;
  uint16_t NameLen = 0;
  uint16_t ExtraLen = 0;
  static constexpr int Size = 30;
  void Parse(const uint8_t* p);
};

struct TExtraField {
  uint16_t FieldId = 0;
  uint16_t FieldSize = 0;
  std::vector<uint8_t> FieldData;
};

// One directory entry in memory: the 46-byte central entry image, then what follows it.
struct TDirItem {
  uint32_t HeaderSignature = 0;
  uint16_t MadeByVersion = 0;
  uint16_t NeededVersion = 0;
  uint16_t GeneralFlags = 0;
  uint16_t CompressionMethod = 0;
  uint16_t LastModTime = 0;
  uint16_t LastModDate = 0;
  uint32_t DataCrc = 0;
  uint32_t PackedSize = 0;
  uint32_t UnpackedSize = 0;
  uint16_t NameLen = 0;
  uint16_t ExtraLen = 0;
  uint16_t CommentLen = 0;
  uint16_t StartDisk = 0;
  uint16_t InternalAttr = 0;
  uint32_t ExternalAttr = 0;
  uint32_t HeaderOffset = 0;
  static constexpr int ImageSize = 46;

  std::string StoredName;
  std::string SpareText;
  std::string ItemComment;
  std::vector<TExtraField> Extras;
  bool HasZip64Field = false;
  uint64_t Zip64UnpackedSize = 0;
  uint64_t Zip64PackedSize = 0;
  uint64_t Zip64HeaderOffset = 0;
  uint32_t Zip64StartDisk = 0;
  // Writer side; zero or empty after reading.
  uint8_t IsNewItem = 0;
  std::string NewItemPassword;
  TStream* SourceStream = nullptr;
  uint8_t OwnsSourceStream = 0;
  int32_t SourcePosition = 0;
  bool Selected = false;
  std::string SourcePath;
  uint8_t NewItemMode = 0;
  TXAProcessOperation CurrentOperation = poAdd;

  // Reads the 46-byte image into the first sixteen fields.
  void ParseImage(const uint8_t* p);
  // The effective 64-bit values: the ZIP64 value when the 32-bit field is saturated.
  uint64_t UncompressedSize() const { return UnpackedSize == 0xFFFFFFFF ? Zip64UnpackedSize : UnpackedSize; }
  uint64_t CompressedSize() const { return PackedSize == 0xFFFFFFFF ? Zip64PackedSize : PackedSize; }
  uint64_t LocalHeaderOffset() const { return HeaderOffset == 0xFFFFFFFF ? Zip64HeaderOffset : HeaderOffset; }
  bool IsEncrypted() const { return (GeneralFlags & 1) != 0; }
  // DOS date in the high 16 bits, time in the low 16.
  int32_t DosDateTime() const { return static_cast<int32_t>((uint32_t(LastModDate) << 16) | LastModTime); }
};

// Growable item array; index errors 1 to 4 are raised without a component.
class TXADirArray {
public:
  int32_t Count() const { return FCount; }
  int32_t Capacity() const { return FCapacity; }
  int32_t GrowStep() const { return FGrowStep; }
  void SetCount(int32_t n);
  void Clear();
  void GetItem(int32_t i, TDirItem& Item) const;  // error 2
  TDirItem& ItemPtr(int32_t i);                   // error 3
  const TDirItem& ItemPtr(int32_t i) const;       // error 3
  void SetItem(int32_t i, const TDirItem& Item);  // error 1
  void Delete(int32_t i);                         // error 4
  void AssignItems(const TXADirArray& Other);
  void ClearSelection();

  static constexpr int32_t MaxGrowStep = 10000;

private:
  std::vector<TDirItem> Slots;  // length is FCapacity
  int32_t FGrowStep = 500;
  int32_t FCapacity = 0;
  int32_t FCount = 0;
};

// The directory of one open archive.
class TXADirManager {
public:
  TXADirManager(TStream* AStream, TXABaseArchiver* AArchiver, bool ACreateMode);
  ~TXADirManager() = default;

  void ResetDirectory();
  bool FindEndRecord(TEndRecord& Record, int64_t& Position);
  bool HasEndRecord();
  void ReadDirectory();
  void DetectStubSize(int64_t EndPosition);
  bool OffsetsAreAbsolute() const;
  void ApplyStubSize();
  void RecoverFromLocalHeaders();
  int64_t FindLocalHeader(int64_t From);
  bool FindDataDescriptor(int64_t From, uint8_t (&Descriptor)[16]);
  void SwitchVolume(TXAVolumeNumberInfo& VolumeInfo);
  void WriteDirectory();

  TStream* Stream;
  bool CreateMode;
  TXABaseArchiver* Archiver;
  TXADirArray SavedItems;
  TXADirArray Items;
  std::string DirComment;
  TZip64Locator Zip64Locator;
  TZip64EndRecord Zip64EndRecord;
  TEndRecord EndRecord;
  bool EndRecordFound = false;  // result of the last HasEndRecord search
  int64_t StubSize = 0;
  bool IsZip64 = false;
  bool WriteAborted = false;
  int64_t DirectoryStart = 0;

private:
  void ReadEntries(int64_t Start, uint32_t Count, TXAVolumeNumberInfo& Volume);
};

// The name rule: text before the first NUL (at most 999 bytes), code-page conversion, "\" to "/".
// Utf8 is true for names flagged UTF-8 (bit 11) or carried by a matching Unicode Path extra.
std::string ApplyNameRule(const std::string& Raw, bool OemFileNames, bool Utf8);
// The name of an entry from its raw name bytes, its flags and its extra records: a matching
// Unicode Path extra record (0x7075, version 1) replaces the raw name.
std::string EntryName(const std::string& Raw, const TDirItem& Item, bool OemFileNames);
