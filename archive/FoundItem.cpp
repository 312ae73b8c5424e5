#include "archive/FoundItem.h"

#include "archive/StoredNameParts.h"
#include "platform/Paths.h"

namespace {

// Share of the uncompressed size saved; an item that grew saved nothing.
double CompressionRatioOf(int64_t Compressed, int64_t Uncompressed) {
  if (Uncompressed <= 0) return 100.0;
  const double ratio = (1.0 - double(Compressed) / double(Uncompressed)) * 100.0;
  return ratio < 0 ? 0.0 : ratio;
}

}  // namespace

void FillFoundItem(const TDirItem& Entry, int32_t Index, TXAArchiveItem& Item) {
  const std::string reported = ReportedItemName(Entry.StoredName);
  Item.FileName = ExtractFileName(reported);
  Item.FolderPath = ExtractFilePath(reported);
  Item.CompressedSize = static_cast<int64_t>(Entry.CompressedSize());
  Item.UncompressedSize = static_cast<int64_t>(Entry.UncompressedSize());
  Item.CompressionRatio = CompressionRatioOf(Item.CompressedSize, Item.UncompressedSize);
  Item.Encrypted = Entry.IsEncrypted();
  Item.FileDate = Entry.LastModDate;
  Item.FileTime = Entry.LastModTime;
  Item.Crc32 = Entry.DataCrc;
  Item.ExternalAttributes = Entry.ExternalAttr;
  Item.Comment = Entry.ItemComment;
  Item.SearchRec.ItemIndex = Index;
}
