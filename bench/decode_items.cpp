// Decodes every item of an archive to memory with the component, and with a plain loop of zlib
// inflate and crc32 over the same items; prints both times and their ratio.
// usage: decode_items ARCHIVE [ROUNDS]
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "archive/NullStream.h"
#include "archive/Xanarc.h"
#include "platform/FileStream.h"

namespace {

struct TItem {
  uint64_t DataStart;
  uint64_t Packed;
  uint64_t Unpacked;
  uint16_t Method;
  uint32_t Crc;
};

double Seconds(std::chrono::steady_clock::time_point Since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - Since).count();
}

// Where each item's data start, from its local header (not timed).
std::vector<TItem> ListItems(TXanarc& Archiver) {
  std::vector<TItem> items;
  TStream& stream = *Archiver.ArchiveStream;
  for (int32_t i = 0; i < Archiver.Directory->Items.Count(); ++i) {
    const TDirItem& e = Archiver.Directory->Items.ItemPtr(i);
    uint8_t header[TLocalHeader::Size];
    stream.SetPosition(int64_t(e.LocalHeaderOffset()));
    stream.ReadBuffer(header, sizeof header);
    TLocalHeader local;
    local.Parse(header);
    items.push_back({e.LocalHeaderOffset() + TLocalHeader::Size + local.NameLen + local.ExtraLen,
                     e.CompressedSize(), e.UncompressedSize(), e.CompressionMethod, e.DataCrc});
  }
  return items;
}

double ComponentRound(TXanarc& Archiver, uint64_t& Bytes) {
  const auto start = std::chrono::steady_clock::now();
  for (int32_t i = 0; i < Archiver.Directory->Items.Count(); ++i) {
    TNullStream sink;
    Archiver.DecodeItem(i, sink);
    Bytes += uint64_t(sink.Size());
  }
  return Seconds(start);
}

// The plain loop: read 1 MiB at a time, raw inflate into a reused buffer, crc32.
double PlainRound(const std::string& Path, const std::vector<TItem>& Items, uint64_t& Bytes, int& Bad) {
  const auto start = std::chrono::steady_clock::now();
  FILE* f = std::fopen(Path.c_str(), "rb");
  std::vector<uint8_t> in(1 << 20), out(4 << 20);
  for (const TItem& item : Items) {
    std::fseek(f, long(item.DataStart), SEEK_SET);
    z_stream z{};
    inflateInit2(&z, -15);
    uLong crc = crc32(0, nullptr, 0);
    for (uint64_t left = item.Packed; left > 0;) {
      const size_t n = std::fread(in.data(), 1, size_t(std::min<uint64_t>(left, in.size())), f);
      left -= n;
      if (item.Method == 0) {
        crc = crc32_z(crc, in.data(), n);
        Bytes += n;
        continue;
      }
      z.next_in = in.data();
      z.avail_in = uInt(n);
      do {
        z.next_out = out.data();
        z.avail_out = uInt(out.size());
        inflate(&z, Z_NO_FLUSH);
        const size_t produced = out.size() - z.avail_out;
        crc = crc32_z(crc, out.data(), produced);
        Bytes += produced;
      } while (z.avail_out == 0);
    }
    inflateEnd(&z);
    Bad += crc != item.Crc;
  }
  std::fclose(f);
  return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: decode_items ARCHIVE [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::stoi(argv[2]) : 3;
  TXanarc archiver;
  archiver.FileName = argv[1];
  archiver.OpenArchive(fmOpenRead | fmShareDenyWrite);
  const std::vector<TItem> items = ListItems(archiver);
  double best[2] = {1e30, 1e30};
  uint64_t bytes[2] = {0, 0};
  int bad = 0;
  for (int r = 0; r < rounds; ++r) {
    bytes[0] = bytes[1] = 0;
    best[0] = std::min(best[0], ComponentRound(archiver, bytes[0]));
    best[1] = std::min(best[1], PlainRound(argv[1], items, bytes[1], bad));
  }
  std::printf("items %zu, output %.1f MB, best of %d rounds\n", items.size(), double(bytes[0]) / 1e6, rounds);
  std::printf("component  %.3f s\nplain loop %.3f s\nratio      %.3f\n", best[0], best[1], best[0] / best[1]);
  if (bytes[0] != bytes[1] || bad) {
    std::fprintf(stderr, "outputs differ (%llu vs %llu bytes, %d bad CRCs)\n", (unsigned long long)bytes[0],
                 (unsigned long long)bytes[1], bad);
    return 1;
  }
  return 0;
}
