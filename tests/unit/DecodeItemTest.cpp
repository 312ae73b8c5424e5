#include <zlib.h>

#include <random>

#include "DecodeFixture.h"

namespace test {
namespace {

std::string RandomBytes(size_t Count, unsigned Seed = 1) {
  std::mt19937 gen(Seed);
  std::string s(Count, '\0');
  for (char& c : s) c = char(gen());
  return s;
}

std::string Text(size_t Count) {
  std::string s;
  while (s.size() < Count) s += "line " + std::to_string(s.size()) + " of some compressible text\n";
  s.resize(Count);
  return s;
}

// Raw deflate made of stored blocks of 65531 bytes: every block takes exactly 65536 bytes.
std::string StoredBlocksDeflate(const std::string& Data) {
  std::string out;
  for (size_t at = 0; at < Data.size(); at += 65531) {
    const size_t n = std::min<size_t>(65531, Data.size() - at);
    out += char(at + n == Data.size() ? 1 : 0);
    Put16(out, uint32_t(n));
    Put16(out, uint32_t(~n & 0xFFFF));
    out += Data.substr(at, n);
  }
  return out;
}

uint32_t Adler(const std::string& Data) {
  return uint32_t(adler32(1, reinterpret_cast<const Bytef*>(Data.data()), uInt(Data.size())));
}

std::string BigEndian32(uint32_t v) {
  return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

TEST_F(DecodeTest, EmptyItemDecodesWithoutProgress) {
  ZipBuilder zip;
  zip.Add("empty.txt", "", 0);
  ZipEntry& deflated = zip.Add("empty.bin", "", 8);
  deflated.UsePacked = true;
  Open(zip.Build());
  Archiver.ReportProgress = true;
  Archiver.SelectedFileCount = 2;
  EXPECT_EQ(Decode(0), "");
  EXPECT_EQ(Decode(1), "");
  EXPECT_TRUE(Archiver.FileProgress.empty());
  EXPECT_TRUE(Archiver.OverallProgress.empty());
}

TEST_F(DecodeTest, ThreeMegabytesAreReadInThreeChunksWithProgressBeforeEach) {
  const std::string data = RandomBytes(48 * 65531);
  ZipBuilder zip;
  ZipEntry& e = zip.Add("dir/big.bin", data, 8);
  e.Packed = StoredBlocksDeflate(data);
  e.UsePacked = true;
  ASSERT_EQ(e.Packed.size(), 3145728u);
  Open(zip.Build());
  Archiver.ReportProgress = true;
  Archiver.SelectedFileCount = 4;
  Archiver.DoneFileCount = 1;
  EXPECT_EQ(Decode(), data);
  ASSERT_EQ(Archiver.FileProgress.size(), 3u);
  EXPECT_DOUBLE_EQ(Archiver.FileProgress[0], 0.0);
  EXPECT_DOUBLE_EQ(Archiver.FileProgress[1], 100.0 / 3);
  EXPECT_DOUBLE_EQ(Archiver.FileProgress[2], 200.0 / 3);
  EXPECT_EQ(Archiver.ProgressName, "dir/big.bin");
  ASSERT_EQ(Archiver.OverallProgress.size(), 3u);
  EXPECT_DOUBLE_EQ(Archiver.OverallProgress[0], 25.0);
  EXPECT_DOUBLE_EQ(Archiver.OverallProgress[2], (2.0 / 3 + 1) / 4 * 100);
}

TEST_F(DecodeTest, NoProgressWithoutTheProgressFlag) {
  const std::string data = Text(300000);
  ZipBuilder zip;
  zip.Add("a.txt", data, 8);
  Open(zip.Build());
  EXPECT_EQ(Decode(), data);
  EXPECT_TRUE(Archiver.FileProgress.empty());
}

TEST_F(DecodeTest, CancelFromProgressStopsWithoutError) {
  const std::string data = RandomBytes(3 << 20);
  ZipBuilder zip;
  zip.Add("a.bin", data, 0);
  Open(zip.Build());
  Archiver.ReportProgress = true;
  Archiver.SelectedFileCount = 1;
  Archiver.CancelAtReport = 2;
  EXPECT_EQ(Decode(), data.substr(0, 1 << 20));
  EXPECT_EQ(Archiver.FileProgress.size(), 2u);
  EXPECT_EQ(Archiver.OverallProgress.size(), 1u);
}

// Bytes after the end of the deflate data, inside the compressed size.
TEST_F(DecodeTest, BytesAfterTheDeflateData) {
  const std::string data = Text(5000);
  const std::string deflate = RawDeflate(data);
  struct Case {
    const char* What;
    std::string Tail;
    int32_t Error;
  } cases[] = {
      {"three stray bytes are taken as part of the check value", "abc", -1},
      {"four bytes that are not the check value", std::string(4, '\0'), 8},
      {"even the matching check value", BigEndian32(Adler(data)), 8},
      {"more after the matching check value", BigEndian32(Adler(data)) + "xyz", 8},
      {"more after the matching check value, past a chunk border",
       BigEndian32(Adler(data)) + RandomBytes(1 << 20), 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    ZipBuilder zip;
    ZipEntry& e = zip.Add("a.txt", data, 8);
    e.Packed = deflate + c.Tail;
    e.UsePacked = true;
    Open(zip.Build());
    EXPECT_EQ(DecodeError(), c.Error);
  }
}

TEST_F(DecodeTest, LocalHeaderSignatureAndSizesAreNotTrusted) {
  const std::string data = Text(4000);
  ZipBuilder zip;
  ZipEntry& e = zip.Add("a.txt", data, 8);
  e.LocalExtra = std::string(7, 'x');
  std::string bytes = zip.Build();
  bytes.replace(0, 4, "JUNK");
  bytes.replace(14, 12, std::string(12, '\x11'));  // local CRC-32 and both sizes
  Open(bytes);
  EXPECT_EQ(Decode(), data);
}

TEST_F(DecodeTest, LocalHeaderCutShortIsAStreamReadError) {
  ZipBuilder zip;
  ZipEntry& e = zip.Add("a.txt", "abc", 0);
  e.OverrideOffset = true;
  std::string bytes = zip.Build();
  e.CentralOffset = uint32_t(bytes.size() - 10);  // inside the end record
  Open(zip.Build());
  TMemoryStream out;
  EXPECT_THROW(Archiver.DecodeItem(0, out), EReadError);
}

TEST_F(DecodeTest, DataNeverRunIntoTheDirectory) {
  const std::string data = "stored content";
  struct Case {
    const char* What;
    uint32_t ExtraUnpacked;
    int32_t Error;
  } cases[] = {
      {"only the compressed size reaches past", 0, -1},
      {"both sizes reach past", 40, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    ZipBuilder zip;
    ZipEntry& e = zip.Add("a.txt", data, 0);
    e.OverrideSizes = true;
    e.CentralCrc = Crc(data);
    e.CentralPacked = uint32_t(data.size()) + 40;
    e.CentralUnpacked = uint32_t(data.size()) + c.ExtraUnpacked;
    Open(zip.Build());
    Archiver.ExtractCorruptedFiles = false;
    EXPECT_EQ(DecodeError(), c.Error);
    Archiver.ExtractCorruptedFiles = true;
    EXPECT_EQ(Decode(), data);
  }
}

TEST_F(DecodeTest, Deflate64IsRefusedWithoutTheComponentName) {
  ZipBuilder zip;
  ZipEntry& e = zip.Add("a.bin", "whatever", 9);
  e.Packed = "\x01\x02\x03";
  e.UsePacked = true;
  Open(zip.Build());
  TMemoryStream out;
  try {
    Archiver.DecodeItem(0, out);
    FAIL() << "no error";
  } catch (const EXAException& ex) {
    EXPECT_EQ(ex.NativeError, 55);
    EXPECT_STREQ(ex.what(), "Deflate64 compression method is not supported - Native error: 00055");
  }
}

TEST_F(DecodeTest, BadDataFailsWithTheComponentsError8) {
  const std::string data = Text(2000);
  ZipBuilder zip;
  ZipEntry& e = zip.Add("a.txt", data, 8);
  e.OverrideSizes = true;
  e.CentralCrc = Crc(data) ^ 1;
  e.CentralPacked = uint32_t(ZipBuilder::PackedOf(e).size());
  e.CentralUnpacked = uint32_t(data.size());
  Open(zip.Build());
  TMemoryStream out;
  try {
    Archiver.DecodeItem(0, out);
    FAIL() << "no error";
  } catch (const EXAException& ex) {
    EXPECT_EQ(ex.NativeError, 8);
    EXPECT_STREQ(ex.what(), "Xanarc1: Invalid size or check sum of file or unsupported compression format"
                            " - Native error: 00008");
  }
  // The whole output was written before the check failed; the corrupted-files option keeps it.
  EXPECT_EQ(Bytes(out), data);
  Archiver.ExtractCorruptedFiles = true;
  EXPECT_EQ(Decode(), data);
}

TEST_F(DecodeTest, UnknownMethodOfLowVersionFails) {
  ZipBuilder zip;
  ZipEntry& e = zip.Add("a.bin", "data", 14);
  e.Packed = "data";
  e.UsePacked = true;
  e.Needed = 10;
  Open(zip.Build());
  EXPECT_EQ(DecodeError(), 8);
}

TEST_F(DecodeTest, IndexOutsideTheDirectory) {
  ZipBuilder zip;
  zip.Add("a.txt", "a", 0);
  Open(zip.Build());
  EXPECT_EQ(DecodeError(-1), 16);
  EXPECT_EQ(DecodeError(1), 16);
}

// Sizes that claim less than the data hold: decoding stops at the claimed size.
TEST_F(DecodeTest, OutputStopsAtTheUncompressedSize) {
  const std::string data(3 << 20, '\0');
  for (uint16_t method : {uint16_t(0), uint16_t(8)}) {
    SCOPED_TRACE(method);
    ZipBuilder zip;
    ZipEntry& e = zip.Add("zeros.bin", data, method);
    e.OverrideSizes = true;
    e.CentralUnpacked = 1000;
    e.CentralCrc = Crc(data.substr(0, 1000));
    e.CentralPacked = uint32_t(ZipBuilder::PackedOf(e).size());
    Open(zip.Build());
    Archiver.ReportProgress = true;
    Archiver.SelectedFileCount = 1;
    Archiver.FileProgress.clear();
    Archiver.ExtractCorruptedFiles = false;
    EXPECT_EQ(DecodeError(), 8);
    EXPECT_EQ(LastOutput.size(), 1000u);
    EXPECT_EQ(Archiver.FileProgress.size(), 1u) << "no chunk is read after the overflow";
    Archiver.ExtractCorruptedFiles = true;
    EXPECT_EQ(Decode(), data.substr(0, 1000));
  }
}

TEST_F(DecodeTest, DeflatedItemsOfManySizesRoundTrip) {
  ZipBuilder zip;
  const size_t sizes[] = {1, 511, 512, 65536, (1 << 20) - 1, (1 << 20) + 3, 2500000};
  std::vector<std::string> contents;
  for (size_t n : sizes) {
    contents.push_back(n % 2 ? RandomBytes(n, unsigned(n)) : Text(n));
    zip.Add(std::to_string(n).append(".bin"), contents.back(), 8);
  }
  Open(zip.Build());
  for (size_t i = 0; i < contents.size(); ++i) EXPECT_EQ(Decode(int32_t(i)), contents[i]) << sizes[i];
}

}  // namespace
}  // namespace test

namespace test {
namespace {

// An end record on disk 3 of a set whose other volumes are missing: the reader must not take
// the one file it has for the next volume and read it again from its start.
TEST_F(DecodeTest, AMissingNextVolumeIsNotTheSameFileAgain) {
  const std::string data(100, 'd');
  ZipBuilder zip;
  ZipEntry& e = zip.Add("a.bin", data, 0);
  e.OverrideSizes = true;
  e.CentralCrc = Crc(data);
  const uint32_t fileSize = uint32_t(zip.Build().size());
  e.CentralPacked = e.CentralUnpacked = 2 * fileSize;  // only the file read twice could fill it
  std::string bytes = zip.Build();
  bytes.replace(bytes.size() - 18, 2, std::string("\x03\x00", 2));  // number of this disk
  Open(bytes);
  ASSERT_EQ(Archiver.SpanningMode(), smSpanning);
  EXPECT_EQ(DecodeError(), 8);
  EXPECT_EQ(LastOutput, "");
}

}  // namespace
}  // namespace test
