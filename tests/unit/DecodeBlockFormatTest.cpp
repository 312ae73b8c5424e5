#include <zlib.h>

#include "DecodeFixture.h"

namespace test {
namespace {

// An item in the component's own block format.
struct BlockItem {
  int32_t BlockSize = 10;
  uint32_t UncompressedSize = 0;
  int32_t Count = -1;  // -1: the number of blocks given
  uint8_t Algorithm = 0;
  bool Compressed = false;
  uint16_t Encryption = 0xFFFF;
  std::string CheckBytes = std::string(16, 'k');
  bool CheckMatches = true;
  std::vector<std::string> Blocks;  // as stored

  std::string Build() const {
    std::string s;
    Put32(s, uint32_t(BlockSize));
    Put32(s, 0);
    Put32(s, UncompressedSize);
    Put32(s, 0);
    Put32(s, uint32_t(Count < 0 ? int32_t(Blocks.size()) : Count));
    s += char(Algorithm);
    s += char(Compressed);
    Put16(s, Encryption);
    Put32(s, Crc(CheckBytes) ^ (CheckMatches ? 0 : 1));
    s += CheckBytes;
    s += std::string(6, '\0');
    for (const std::string& b : Blocks) {
      Put32(s, uint32_t(b.size()));
      s += b;
    }
    return s;
  }
};

std::string ZlibStream(const std::string& Data) {
  uLongf n = compressBound(uLong(Data.size()));
  std::string out(n, '\0');
  compress(reinterpret_cast<Bytef*>(out.data()), &n, reinterpret_cast<const Bytef*>(Data.data()), uLong(Data.size()));
  out.resize(n);
  return out;
}

const std::string Content = "Hello, block format world!";  // 26 bytes: blocks of 10, 10 and 6

BlockItem Split(bool Compressed) {
  BlockItem item;
  item.UncompressedSize = uint32_t(Content.size());
  item.Compressed = Compressed;
  for (size_t at = 0; at < Content.size(); at += 10) {
    const std::string piece = Content.substr(at, 10);
    item.Blocks.push_back(Compressed ? ZlibStream(piece) : piece);
  }
  return item;
}

class DecodeBlockFormatTest : public DecodeTest {
protected:
  void OpenItem(const BlockItem& Item, uint16_t Method = 12, uint16_t Needed = 46) {
    ZipBuilder zip;
    ZipEntry& e = zip.Add("block.bin", Content, Method);
    e.Packed = Item.Build();
    e.UsePacked = true;
    e.Needed = Needed;
    Open(zip.Build());
  }
};

TEST_F(DecodeBlockFormatTest, ValidItemsDecode) {
  BlockItem longLast = Split(false);
  longLast.Blocks.back() = "world!XXXXXXXX";  // the last block holds more than the rest of the item
  BlockItem encrypted = Split(true);
  encrypted.Encryption = 1;
  struct Case {
    const char* What;
    BlockItem Item;
  } cases[] = {
      {"plain blocks", Split(false)},
      {"zlib blocks", Split(true)},
      {"the last block is cut to the rest of the item", longLast},
      {"encrypted, with a matching check value", encrypted},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    OpenItem(c.Item);
    Archiver.OnPassword = [](TObject*, const std::string&, std::string&, bool&) { FAIL() << "asked"; };
    EXPECT_EQ(Decode(), Content);
  }
}

TEST_F(DecodeBlockFormatTest, BadItemsFailWithError8) {
  BlockItem otherAlgorithm = Split(true);
  otherAlgorithm.Algorithm = 1;
  BlockItem cutStream = Split(true);
  cutStream.Blocks[1].resize(cutStream.Blocks[1].size() - 3);
  BlockItem emptyCompressed = Split(true);
  emptyCompressed.Blocks[0].clear();
  BlockItem hugeLength = Split(false);
  hugeLength.Count = 4;  // the fourth length is read from what follows: the directory
  BlockItem tooFewBlocks = Split(false);
  tooFewBlocks.Count = 2;
  struct Case {
    const char* What;
    BlockItem Item;
  } cases[] = {
      {"compression algorithm other than zlib", otherAlgorithm},
      {"a zlib block without its end", cutStream},
      {"an empty compressed block", emptyCompressed},
      {"a length past the item", hugeLength},
      {"fewer blocks than the item holds", tooFewBlocks},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    OpenItem(c.Item);
    EXPECT_EQ(DecodeError(), 8);
  }
}

// A block claiming 4 GiB in an item of a few bytes allocates nothing for it.
TEST_F(DecodeBlockFormatTest, LengthsBeyondTheItemAllocateNothing) {
  BlockItem item = Split(false);
  std::string bytes = item.Build();
  bytes.replace(50, 4, "\xF0\xFF\xFF\xFF");
  ZipBuilder zip;
  ZipEntry& e = zip.Add("block.bin", Content, 12);
  e.Packed = bytes;
  e.UsePacked = true;
  e.Needed = 46;
  Open(zip.Build());
  EXPECT_EQ(DecodeError(), 8);
}

TEST_F(DecodeBlockFormatTest, OtherMethodsOfVersion10AreNotBlockFormat) {
  OpenItem(Split(false), 12, 10);
  EXPECT_EQ(DecodeError(), 8);
}

TEST_F(DecodeBlockFormatTest, MismatchedCheckValueAsksUntilSkipped) {
  BlockItem item = Split(false);
  item.Encryption = 0;
  item.CheckMatches = false;
  OpenItem(item);
  int requests = 0;
  Archiver.OnPassword = [&](TObject*, const std::string& Name, std::string&, bool& Skip) {
    EXPECT_EQ(Name, "block.bin");
    Skip = ++requests == 3;
  };
  EXPECT_EQ(Decode(), "");
  EXPECT_EQ(requests, 3);
  EXPECT_TRUE(Archiver.SkipFile);
}

TEST_F(DecodeBlockFormatTest, ProgressCountsAgainstTheWholeArchive) {
  const BlockItem item = Split(false);
  OpenItem(item);
  Archiver.ReportProgress = true;
  Archiver.SelectedFileCount = 1;
  EXPECT_EQ(Decode(), Content);
  const double size = double(std::filesystem::file_size(Archiver.FileName));
  const std::vector<double> expected = {50 / size * 100, (50 + 14) / size * 100, (50 + 28) / size * 100};
  ASSERT_EQ(Archiver.FileProgress.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(Archiver.FileProgress[i], expected[i]);
}

TEST_F(DecodeBlockFormatTest, OutputStopsAtTheUncompressedSize) {
  BlockItem item;
  item.BlockSize = 1 << 20;
  item.UncompressedSize = 3u << 20;
  item.Compressed = true;
  item.Blocks = {ZlibStream(std::string(1 << 20, 'z')), ZlibStream(std::string(1 << 20, 'z')),
                 ZlibStream(std::string(1 << 20, 'z'))};
  ZipBuilder zip;
  ZipEntry& e = zip.Add("block.bin", std::string(1000, 'z'), 12);
  e.Packed = item.Build();
  e.UsePacked = true;
  e.Needed = 46;
  Open(zip.Build());
  EXPECT_EQ(DecodeError(), 8);
  EXPECT_EQ(LastOutput, std::string(1000, 'z'));
}

}  // namespace
}  // namespace test
