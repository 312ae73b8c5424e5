// Opens arbitrary bytes as an archive and decodes every item, with a fixed password.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "archive/NullStream.h"
#include "archive/Xanarc.h"
#include "platform/Exception.h"
#include "platform/FileStream.h"

namespace {

std::string InputPath() {
  static const std::string path = "/tmp/fuzz_decode_" + std::to_string(getpid()) + ".zip";
  return path;
}

void DecodeAll(TXanarc& Archiver) {
  const int32_t count = Archiver.Directory->Items.Count();
  for (int32_t i = 0; i < count; ++i) {
    TNullStream nowhere;
    try {
      Archiver.DecodeItem(i, nowhere);
    } catch (const Exception&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  FILE* f = std::fopen(InputPath().c_str(), "wb");
  if (!f) return 0;
  std::fwrite(Data, 1, Size, f);
  std::fclose(f);
  TXanarc archiver;
  archiver.FileName = InputPath();
  archiver.Password = "secret";
  archiver.OnPassword = [](TObject*, const std::string&, std::string&, bool& Skip) { Skip = true; };
  try {
    archiver.OpenArchive(fmOpenRead | fmShareDenyWrite);
  } catch (const Exception&) {
    return 0;
  }
  DecodeAll(archiver);
  archiver.ExtractCorruptedFiles = true;
  DecodeAll(archiver);
  archiver.CloseArchive();
  return 0;
}
