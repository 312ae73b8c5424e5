#include <cstdio>

#include "archive/Selection.h"
#include "archive/Xanarc.h"
#include "tools/xanarc/Command.h"

namespace {

void PrintItem(const TDirItem& Item) {
  const unsigned date = Item.LastModDate, time = Item.LastModTime;
  std::printf("%s\t%llu\t%llu\t%u\t%08x\t%x\t%04u-%02u-%02u %02u:%02u:%02u\n", Item.StoredName.c_str(),
              static_cast<unsigned long long>(Item.UncompressedSize()),
              static_cast<unsigned long long>(Item.CompressedSize()), unsigned(Item.CompressionMethod),
              unsigned(Item.DataCrc), unsigned(Item.ExternalAttr), 1980 + (date >> 9), (date >> 5) & 15,
              date & 31, time >> 11, (time >> 5) & 63, (time & 31) * 2);
}

int List(const std::vector<std::string>& Args) {
  if (Args.empty() || Args.size() > 2) {
    std::fprintf(stderr, "usage: xanarc list ARCHIVE [MASK]\n");
    return 2;
  }
  TXanarc Archive;
  Archive.Name = "Xanarc1";
  Archive.FileName = Args[0];
  try {
    Archive.OpenArchive(0x20);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  const std::string Mask = Args.size() > 1 ? Args[1] : "*.*";
  TXAArchiveItem Found;
  for (bool ok = Archive.FindFirst(Mask, Found, 10431, ""); ok; ok = Archive.FindNext(Found))
    PrintItem(Archive.Directory->Items.ItemPtr(Found.SearchRec.ItemIndex));
  return 0;
}

const XanarcCommandRegistration Registration{{"list", "list ARCHIVE [MASK]", List}};

}  // namespace
