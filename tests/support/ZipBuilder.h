#pragma once
// A tiny ZIP writer for test fixtures: every field can be set, so tests can build the exact
// (also broken) archives they need.
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace test {

inline void Put16(std::string& s, uint32_t v) { s += char(v & 0xFF); s += char((v >> 8) & 0xFF); }
inline void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xFFFF); Put16(s, v >> 16); }
inline void Put64(std::string& s, uint64_t v) { Put32(s, uint32_t(v)); Put32(s, uint32_t(v >> 32)); }

inline uint32_t Crc(const std::string& data) {
  return uint32_t(crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
}

// Raw deflate data (no zlib header or check value), as a ZIP item holds it.
inline std::string RawDeflate(const std::string& data, int level = 6) {
  z_stream zs{};
  deflateInit2(&zs, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&zs, uLong(data.size())) + 16, '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  zs.avail_in = uInt(data.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = uInt(out.size());
  deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

struct ZipEntry {
  std::string Name;
  std::string Data;         // uncompressed content
  uint16_t Method = 0;      // 0 stored, 8 deflated; others store Packed as given
  std::string Packed;       // item data as stored; filled from Data when empty and Method is 0 or 8
  bool UsePacked = false;   // take Packed as it is (any method)
  uint16_t Flags = 0;
  uint16_t MadeBy = 20;
  uint16_t Needed = 20;
  uint16_t Time = 0x6000;   // 12:00:00
  uint16_t Date = 0x5A21;   // 2025-01-01
  uint32_t ExternalAttr = 0x20;
  std::string Extra;        // central extra field
  std::string LocalExtra;   // local extra field
  std::string Comment;
  // Overrides of the central fields (when set).
  bool OverrideSizes = false;
  uint32_t CentralCrc = 0, CentralPacked = 0, CentralUnpacked = 0;
  bool OverrideOffset = false;
  uint32_t CentralOffset = 0;
};

class ZipBuilder {
public:
  std::string Prefix;       // bytes before the first local header (a stub)
  std::string Comment;      // archive comment
  bool OffsetsRelativeToPrefix = false;  // offsets count from the end of Prefix
  std::vector<ZipEntry> Entries;

  ZipEntry& Add(const std::string& name, const std::string& data, uint16_t method = 8) {
    ZipEntry e;
    e.Name = name;
    e.Data = data;
    e.Method = method;
    Entries.push_back(e);
    return Entries.back();
  }

  std::string Build() const {
    std::string out = Prefix;
    std::string central;
    const uint32_t base = OffsetsRelativeToPrefix ? uint32_t(Prefix.size()) : 0;
    for (const ZipEntry& e : Entries) {
      std::string packed = PackedOf(e);
      uint32_t crc = Crc(e.Data);
      uint32_t offset = uint32_t(out.size()) - base;
      Put32(out, 0x04034B50);
      Put16(out, e.Needed);
      Put16(out, e.Flags);
      Put16(out, e.Method);
      Put16(out, e.Time);
      Put16(out, e.Date);
      Put32(out, crc);
      Put32(out, uint32_t(packed.size()));
      Put32(out, uint32_t(e.Data.size()));
      Put16(out, uint16_t(e.Name.size()));
      Put16(out, uint16_t(e.LocalExtra.size()));
      out += e.Name;
      out += e.LocalExtra;
      out += packed;

      Put32(central, 0x02014B50);
      Put16(central, e.MadeBy);
      Put16(central, e.Needed);
      Put16(central, e.Flags);
      Put16(central, e.Method);
      Put16(central, e.Time);
      Put16(central, e.Date);
      Put32(central, e.OverrideSizes ? e.CentralCrc : crc);
      Put32(central, e.OverrideSizes ? e.CentralPacked : uint32_t(packed.size()));
      Put32(central, e.OverrideSizes ? e.CentralUnpacked : uint32_t(e.Data.size()));
      Put16(central, uint16_t(e.Name.size()));
      Put16(central, uint16_t(e.Extra.size()));
      Put16(central, uint16_t(e.Comment.size()));
      Put16(central, 0);
      Put16(central, 0);
      Put32(central, e.ExternalAttr);
      Put32(central, e.OverrideOffset ? e.CentralOffset : offset);
      central += e.Name;
      central += e.Extra;
      central += e.Comment;
    }
    uint32_t dirOffset = uint32_t(out.size()) - base;
    out += central;
    Put32(out, 0x06054B50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, uint16_t(Entries.size()));
    Put16(out, uint16_t(Entries.size()));
    Put32(out, uint32_t(central.size()));
    Put32(out, dirOffset);
    Put16(out, uint16_t(Comment.size()));
    out += Comment;
    return out;
  }

  static std::string PackedOf(const ZipEntry& e) {
    if (e.UsePacked) return e.Packed;
    if (e.Method == 8) return RawDeflate(e.Data);
    return e.Data;
  }
};

}  // namespace test
