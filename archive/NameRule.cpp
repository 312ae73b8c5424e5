#include <zlib.h>

#include <algorithm>

#include "archive/DirManager.h"
#include "archive/LittleEndian.h"
#include "platform/CodePage.h"

namespace {

constexpr size_t MaxNameBytes = 999;
constexpr uint16_t Utf8NameFlag = 0x0800;
constexpr uint16_t UnicodePathExtraId = 0x7075;
constexpr uint8_t UnixHost = 3;

uint32_t RawCrc(const std::string& Text) {
  return uint32_t(crc32(0, reinterpret_cast<const Bytef*>(Text.data()), uInt(Text.size())));
}

bool IsValidUtf8(const std::string& Text) {
  for (size_t i = 0; i < Text.size();) {
    const auto lead = static_cast<unsigned char>(Text[i]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > Text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(Text[i + k]) >> 6) != 2) return false;
    i += length;
  }
  return true;
}

// Tools on Unix store names in UTF-8, often without flagging them; reading those from the OEM
// code page would garble every non-ASCII name.
bool UnixUtf8Name(const std::string& Raw, const TDirItem& Item) {
  return (Item.MadeByVersion >> 8) == UnixHost && IsValidUtf8(Raw.substr(0, Raw.find('\0')));
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
  const bool utf8 = (Item.GeneralFlags & Utf8NameFlag) != 0 || UnixUtf8Name(Raw, Item);
  return ApplyNameRule(Raw, OemFileNames, utf8);
}
