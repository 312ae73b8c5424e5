#include "archive/VolumeNaming.h"

#include <cctype>
#include <cstdio>

#include "archive/Xanarc.h"
#include "platform/Paths.h"

bool ContainsExe(std::string Text) {
  for (char& c : Text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return Text.find(".exe") != std::string::npos;
}

std::string TXABaseArchiver::SplitVolumeName(const std::string& ArchiveName, int32_t VolumeIndex) const {
  const std::string folder = ExtractFilePath(ArchiveName);
  const std::string ext = ExtractFileExt(ArchiveName);
  const std::string name = ExtractFileName(ArchiveName);
  const std::string base = folder + name.substr(0, name.size() - ext.size());
  const bool selfExtracting = (Directory && Directory->StubSize != 0) || !SFXStub.empty() || ContainsExe(ext);

  if (VolumeIndex == -1) return selfExtracting ? base + ".ZIP" : ArchiveName;
  if (VolumeIndex == 0 && selfExtracting) return base + ".exe";
  const unsigned number = unsigned(VolumeIndex) + 1;
  char suffix[16];
  if (SpanningOptions.AdvancedNaming)
    std::snprintf(suffix, sizeof suffix, "_%.3u", number);
  else
    std::snprintf(suffix, sizeof suffix, ".Z%.2u", number);
  return SpanningOptions.AdvancedNaming ? base + suffix + ext : base + suffix;
}
