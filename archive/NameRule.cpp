#include <zlib.h>

#include <algorithm>

#include "archive/DirManager.h"
#include "archive/LittleEndian.h"
#include "platform/CodePage.h"

namespace {

constexpr size_t MaxNameBytes = 999;
constexpr uint16_t Utf8NameFlag = 0x0800;
constexpr uint16_t UnicodePathExtraId = 0x7075;

uint32_t RawCrc(const std::string& Text) {
  return uint32_t(crc32(0, reinterpret_cast<const Bytef*>(Text.data()), uInt(Text.size())));
}

}  // namespace

std::string ApplyNameRule(const std::string& Raw, bool OemFileNames, bool Utf8) {
  std::string name = Raw.substr(0, std::min(Raw.find('\0'), MaxNameBytes));
  if (Utf8)
    name = Utf8ToAnsi(name);
  else if (OemFileNames)
    name = OemToAnsi(name);
  for (char& c : name)
    if (c == '\\') c = '/';
  return name;
}

std::string EntryName(const std::string& Raw, const TDirItem& Item, bool OemFileNames) {
  for (const TExtraField& Extra : Item.Extras) {
    const std::vector<uint8_t>& d = Extra.FieldData;
    if (Extra.FieldId != UnicodePathExtraId || d.size() < 5 || d[0] != 1) continue;
    if (Get32(d.data() + 1) != RawCrc(Raw)) continue;
    return ApplyNameRule(std::string(d.begin() + 5, d.end()), OemFileNames, true);
  }
  return ApplyNameRule(Raw, OemFileNames, (Item.GeneralFlags & Utf8NameFlag) != 0);
}
