#pragma once
#include <cstdint>
#include <string>

struct TInternalSearchRec {
  int32_t ItemIndex = 0;
  char Mask[260] = {};  // normalised mask, NUL-terminated
  uint32_t SearchAttr = 0;
  std::string ExclusionMask;
};

// The found-item record of FindFirst and FindNext.
struct TXAArchiveItem {
  std::string FileName;
  std::string FolderPath;
  int64_t CompressedSize = 0;
  int64_t UncompressedSize = 0;
  double CompressionRatio = 0;
  bool Encrypted = false;
  uint16_t FileDate = 0;
  uint16_t FileTime = 0;
  uint32_t Crc32 = 0;
  uint32_t ExternalAttributes = 0;
  std::string Comment;
  TInternalSearchRec SearchRec;
};

bool MatchWildcards(const char* Name, const char* Pattern, bool IgnoreCase);
bool MatchName(const std::string& Name, const std::string& Mask);
bool ItemAttrMatches(uint32_t ItemAttr, uint32_t SearchAttr);
