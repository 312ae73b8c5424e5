#include "archive/DirManager.h"
#include "archive/LittleEndian.h"

void TEndRecord::Parse(const uint8_t* p) {
  Signature = Get32(p);
  ThisDisk = Get16(p + 4);
  DirStartDisk = Get16(p + 6);
  EntriesThisDisk = Get16(p + 8);
  TotalEntries = Get16(p + 10);
  DirSize = Get32(p + 12);
  DirOffset = Get32(p + 16);
  CommentLen = Get16(p + 20);
}

void TEndRecord::Store(uint8_t* p) const {
  Set32(p, Signature);
  Set16(p + 4, ThisDisk);
  Set16(p + 6, DirStartDisk);
  Set16(p + 8, EntriesThisDisk);
  Set16(p + 10, TotalEntries);
  Set32(p + 12, DirSize);
  Set32(p + 16, DirOffset);
  Set16(p + 20, CommentLen);
}

void TZip64Locator::Parse(const uint8_t* p) {
  Signature = Get32(p);
  EndRecordDisk = Get32(p + 4);
  EndRecordOffset = Get64(p + 8);
  TotalDisks = Get32(p + 16);
}

void TZip64EndRecord::Parse(const uint8_t* p) {
  Signature = Get32(p);
  RecordSize = Get64(p + 4);
  MadeByVersion = Get16(p + 12);
  NeededVersion = Get16(p + 14);
  ThisDisk = Get32(p + 16);
  DirStartDisk = Get32(p + 20);
  EntriesThisDisk = Get64(p + 24);
  TotalEntries = Get64(p + 32);
  DirSize = Get64(p + 40);
  DirOffset = Get64(p + 48);
}

void TLocalHeader::Parse(const uint8_t* p) {
  Signature = Get32(p);
  NeededVersion = Get16(p + 4);
  GeneralFlags = Get16(p + 6);
  CompressionMethod = Get16(p + 8);
  LastModTime = Get16(p + 10);
  LastModDate = Get16(p + 12);
  DataCrc = Get32(p + 14);
  PackedSize = Get32(p + 18);
  UnpackedSize = Get32(p + 22);
  NameLen = Get16(p + 26);
  ExtraLen = Get16(p + 28);
}

void TDirItem::ParseImage(const uint8_t* p) {
  HeaderSignature = Get32(p);
  MadeByVersion = Get16(p + 4);
  NeededVersion = Get16(p + 6);
  GeneralFlags = Get16(p + 8);
  CompressionMethod = Get16(p + 10);
  LastModTime = Get16(p + 12);
  LastModDate = Get16(p + 14);
  DataCrc = Get32(p + 16);
  PackedSize = Get32(p + 20);
  UnpackedSize = Get32(p + 24);
  NameLen = Get16(p + 28);
  ExtraLen = Get16(p + 30);
  CommentLen = Get16(p + 32);
  StartDisk = Get16(p + 34);
  InternalAttr = Get16(p + 36);
  ExternalAttr = Get32(p + 38);
  HeaderOffset = Get32(p + 42);
}
