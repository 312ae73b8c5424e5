// Opens arbitrary bytes as an archive file, by the ordinary and the self-extracting path, with
// and without repair, and reads every directory entry. Only the component's own errors and the
// platform's stream errors may come out.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/Stream.h"

namespace {

std::string Folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/fuzz_open.XXXXXX";
    return std::string(mkdtemp(pattern));
  }();
  return folder;
}

void WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) {
  FILE* f = std::fopen(Path.c_str(), "wb");
  if (!f) __builtin_trap();
  if (Size && std::fwrite(Data, 1, Size, f) != Size) __builtin_trap();
  std::fclose(f);
}

size_t OpenAndRead(const std::string& Path, bool Repair) {
  TXanarc Archive;
  Archive.FileName = Path;
  Archive.OpenDamagedArchives = Repair;
  size_t total = 0;
  try {
    Archive.OpenArchive(0x20);
    const TXADirArray& Items = Archive.Directory->Items;
    for (int32_t i = 0; i < Items.Count(); ++i) {
      const TDirItem& Item = Items.ItemPtr(i);
      total += Item.StoredName.size() + Item.ItemComment.size() + Item.Extras.size();
    }
    Archive.CloseArchive();
  } catch (const EXAException&) {
  } catch (const EStreamError&) {
  }
  return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string zip = Folder() + "/input.zip";
  const std::string exe = Folder() + "/input.exe";
  WriteFile(zip, Data, Size);
  WriteFile(exe, Data, Size);
  volatile size_t sink = OpenAndRead(zip, true) + OpenAndRead(zip, false) + OpenAndRead(exe, true);
  (void)sink;
  return 0;
}
