#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/Selection.h"
#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/Paths.h"
#include "support/TempDir.h"
#include "support/ZipBuilder.h"

namespace {

using Names = std::vector<std::string>;

constexpr int32_t AllAttributes = 10431;

struct StoredItem {
  const char* Name;
  uint32_t Attr;
};

// Files, folders, a read-only, a hidden and a system file, a folder without the directory
// attribute, an absolute name and one with a drive.
const StoredItem Items[] = {
    {"readme.txt", 0x20}, {"README", 0x20},       {"docs/", 0x10},      {"docs/a.txt", 0x20},
    {"docs/sub/", 0x10},  {"docs/sub/a.txt", 0x20}, {"x/docs/a.txt", 0x20}, {"a.txt", 0x21},
    {"abc", 0x20},        {"a/c", 0x20},          {"ac", 0x20},         {"hidden.txt", 0x22},
    {"sys.txt", 0x24},    {"plain/", 0x20},       {"Docs/B.TXT", 0x20}, {"/docs/c.txt", 0x20},
    {"C:/docs/d.txt", 0x20},
};

std::string BuildArchive(const test::TempDir& dir) {
  test::ZipBuilder zip;
  for (const StoredItem& item : Items) zip.Add(item.Name, "", 0).ExternalAttr = item.Attr;
  return dir.Write("select.zip", zip.Build());
}

Names FoundNames(TXanarc& archive, const std::string& mask, int32_t attr) {
  Names found;
  TXAArchiveItem item;
  for (bool ok = archive.FindFirst(mask, item, attr, ""); ok; ok = archive.FindNext(item))
    found.push_back(archive.Directory->Items.ItemPtr(item.SearchRec.ItemIndex).StoredName);
  return found;
}

struct SearchCase {
  const char* Mask;
  bool Recurse;
  TXAStorePathMode StorePath;
  int32_t Attr;
  Names Expected;
};

void PrintTo(const SearchCase& c, std::ostream* out) {
  *out << "mask '" << c.Mask << "' recurse " << c.Recurse << " attr " << c.Attr;
}

class SelectSearchTable : public testing::TestWithParam<SearchCase> {
protected:
  static void SetUpTestSuite() {
    Dir = new test::TempDir;
    Path = new std::string(BuildArchive(*Dir));
  }
  static void TearDownTestSuite() {
    delete Path;
    delete Dir;
  }
  static inline test::TempDir* Dir = nullptr;
  static inline std::string* Path = nullptr;
};

TEST_P(SelectSearchTable, FindsExactlyTheMatchingItemsInOrder) {
  const SearchCase& c = GetParam();
  TXanarc archive;
  archive.FileName = *Path;
  archive.OpenArchive(0x20);
  archive.Options.Recurse = c.Recurse;
  archive.Options.StorePath = c.StorePath;
  EXPECT_EQ(FoundNames(archive, c.Mask, c.Attr), c.Expected) << "mask '" << c.Mask << "'";
}

Names AllNames() {
  Names all;
  for (const StoredItem& item : Items) all.push_back(item.Name);
  return all;
}

const Names RootTxt = {"readme.txt", "a.txt", "hidden.txt", "sys.txt"};

INSTANTIATE_TEST_SUITE_P(Masks, SelectSearchTable, testing::Values(
    SearchCase{"*.*", true, spRelativePath, AllAttributes, AllNames()},
    SearchCase{"*.TXT", true, spRelativePath, AllAttributes,
               {"readme.txt", "docs/a.txt", "docs/sub/a.txt", "x/docs/a.txt", "a.txt", "hidden.txt",
                "sys.txt", "Docs/B.TXT", "/docs/c.txt", "C:/docs/d.txt"}},
    SearchCase{"docs/*.txt", true, spRelativePath, AllAttributes, {"docs/a.txt", "docs/sub/a.txt", "Docs/B.TXT"}},
    SearchCase{"docs\\*.txt", true, spRelativePath, AllAttributes, {"docs/a.txt", "docs/sub/a.txt", "Docs/B.TXT"}},
    SearchCase{"*.", true, spRelativePath, AllAttributes,
               {"README", "docs/", "docs/sub/", "abc", "a/c", "ac", "plain/"}},
    SearchCase{"a?c", true, spRelativePath, AllAttributes, {"abc", "a/c"}},
    SearchCase{"abc.", true, spRelativePath, AllAttributes, {"abc"}},
    SearchCase{"sub", true, spRelativePath, AllAttributes, {"docs/sub/"}},
    SearchCase{"", true, spRelativePath, AllAttributes, {}},
    SearchCase{"*.txt", false, spRelativePath, AllAttributes, RootTxt},
    SearchCase{"docs/*.txt", false, spRelativePath, AllAttributes, {"docs/a.txt", "Docs/B.TXT"}},
    SearchCase{"*.*", false, spRelativePath, AllAttributes,
               {"readme.txt", "README", "docs/", "a.txt", "abc", "ac", "hidden.txt", "sys.txt", "plain/"}},
    SearchCase{"*.*", true, spRelativePath, 0,
               {"readme.txt", "README", "docs/a.txt", "docs/sub/a.txt", "x/docs/a.txt", "a.txt", "abc",
                "a/c", "ac", "plain/", "Docs/B.TXT", "/docs/c.txt", "C:/docs/d.txt"}},
    SearchCase{"*.txt", true, spRelativePath, 0x02,
               {"readme.txt", "docs/a.txt", "docs/sub/a.txt", "x/docs/a.txt", "a.txt", "hidden.txt",
                "Docs/B.TXT", "/docs/c.txt", "C:/docs/d.txt"}},
#ifdef _WIN32
    // The drive goes unless paths are stored with it.
    SearchCase{"C:\\docs\\*.txt", true, spRelativePath, AllAttributes, {"/docs/c.txt"}},
    SearchCase{"C:\\docs\\*.txt", true, spFullPathWithDrive, AllAttributes, {"C:/docs/d.txt"}},
#else
    // No drives: ":" is an ordinary character.
    SearchCase{"C:\\docs\\*.txt", true, spRelativePath, AllAttributes, {"C:/docs/d.txt"}},
#endif
    SearchCase{"/docs/*.txt", true, spRelativePath, AllAttributes, {"/docs/c.txt"}}));

class SelectSearch : public testing::Test {
protected:
  void Open(const test::ZipBuilder& zip) {
    archive.FileName = dir.Write("a.zip", zip.Build());
    archive.OpenArchive(0x20);
  }
  test::TempDir dir;
  TXanarc archive;
};

TEST_F(SelectSearch, FoundRecordCarriesTheItemsFields) {
  test::ZipBuilder zip;
  test::ZipEntry& e = zip.Add("docs/sub/", "", 0);
  e.ExternalAttr = 0x10;
  e.Comment = "a folder";
  e.Flags = 1;
  e.Time = 0x7BBF;
  e.Date = 0x5B8C;
  zip.Add("a.txt", "hello hello hello hello", 8);
  Open(zip);

  TXAArchiveItem item;
  ASSERT_TRUE(archive.FindFirst("*.*", item, AllAttributes, "skip"));
  EXPECT_EQ(item.FileName, "sub");
  EXPECT_EQ(item.FolderPath, std::string("docs") + PathDelim);
  EXPECT_EQ(item.Comment, "a folder");
  EXPECT_TRUE(item.Encrypted);
  EXPECT_EQ(item.FileTime, 0x7BBF);
  EXPECT_EQ(item.FileDate, 0x5B8C);
  EXPECT_EQ(item.ExternalAttributes, 0x10u);
  EXPECT_EQ(item.SearchRec.ItemIndex, 0);
  EXPECT_STREQ(item.SearchRec.Mask, "*.*");
  EXPECT_EQ(item.SearchRec.SearchAttr, uint32_t(AllAttributes));
  EXPECT_EQ(item.SearchRec.ExclusionMask, "skip");

  ASSERT_TRUE(archive.FindNext(item));
  EXPECT_EQ(item.FileName, "a.txt");
  EXPECT_EQ(item.FolderPath, "");
  EXPECT_EQ(item.Crc32, test::Crc("hello hello hello hello"));
  EXPECT_EQ(item.UncompressedSize, 23);
  EXPECT_EQ(item.CompressedSize, int64_t(test::RawDeflate("hello hello hello hello").size()));
  EXPECT_FALSE(item.Encrypted);
  EXPECT_EQ(item.Comment, "");
  EXPECT_EQ(item.SearchRec.ItemIndex, 1);

  // Past the last item: false, the index moved on by one and the record kept.
  EXPECT_FALSE(archive.FindNext(item));
  EXPECT_EQ(item.SearchRec.ItemIndex, 2);
  EXPECT_EQ(item.FileName, "a.txt");
  EXPECT_FALSE(archive.FindNext(item));
}

TEST_F(SelectSearch, SizesAndCompressionRatio) {
  struct RatioCase {
    const char* Name;
    uint32_t Packed, Unpacked;
    uint64_t Zip64Packed, Zip64Unpacked;
    int64_t ExpectPacked, ExpectUnpacked;
    double Ratio;
  };
  const RatioCase cases[] = {
      {"empty", 0, 0, 0, 0, 0, 0, 100.0},
      {"quarter", 25, 100, 0, 0, 25, 100, 75.0},
      {"same", 100, 100, 0, 0, 100, 100, 0.0},
      {"grown", 200, 100, 0, 0, 200, 100, 0.0},
      {"zip64", 0xFFFFFFFF, 0xFFFFFFFF, 0x100000000ull, 0x400000000ull, 0x100000000ll, 0x400000000ll, 75.0},
  };
  test::ZipBuilder zip;
  for (const RatioCase& c : cases) {
    test::ZipEntry& e = zip.Add(c.Name, "", 0);
    e.OverrideSizes = true;
    e.CentralPacked = c.Packed;
    e.CentralUnpacked = c.Unpacked;
    if (c.Packed == 0xFFFFFFFF) {
      test::Put16(e.Extra, 0x0001);
      test::Put16(e.Extra, 16);
      test::Put64(e.Extra, c.Zip64Unpacked);
      test::Put64(e.Extra, c.Zip64Packed);
    }
  }
  Open(zip);
  TXAArchiveItem item;
  for (bool ok = archive.FindFirst("*", item, AllAttributes, ""); ok; ok = archive.FindNext(item)) {
    const RatioCase& c = cases[item.SearchRec.ItemIndex];
    EXPECT_EQ(item.FileName, c.Name);
    EXPECT_EQ(item.CompressedSize, c.ExpectPacked) << c.Name;
    EXPECT_EQ(item.UncompressedSize, c.ExpectUnpacked) << c.Name;
    EXPECT_DOUBLE_EQ(item.CompressionRatio, c.Ratio) << c.Name;
  }
  EXPECT_EQ(item.SearchRec.ItemIndex, 5);
}

TEST_F(SelectSearch, SelectItemsMarksExactlyTheFoundItems) {
  test::ZipBuilder zip;
  for (const char* name : {"a.txt", "b.bin", "c.txt", "d/"}) zip.Add(name, "", 0);
  zip.Entries[3].ExternalAttr = 0x10;
  Open(zip);
  auto marks = [&] {
    std::string m;
    for (int32_t i = 0; i < archive.Directory->Items.Count(); ++i)
      m += archive.Directory->Items.ItemPtr(i).Selected ? '1' : '0';
    return m;
  };
  archive.SelectItems("*.txt", AllAttributes, "");
  EXPECT_EQ(marks(), "1010");
  archive.SelectItems("*.*", 0, "");  // earlier marks are cleared first
  EXPECT_EQ(marks(), "1110");
  archive.SelectItems("none", AllAttributes, "");
  EXPECT_EQ(marks(), "0000");
}

// Longer masks do not fit the search record: they find nothing rather than a cut-off mask's items.
TEST_F(SelectSearch, MaskLongerThanTheRecordFindsNothing) {
  test::ZipBuilder zip;
  zip.Add("a.txt", "", 0);
  Open(zip);
  TXAArchiveItem item;
  EXPECT_TRUE(archive.FindFirst(std::string(259, '*'), item, AllAttributes, ""));
  EXPECT_FALSE(archive.FindFirst(std::string(260, '*'), item, AllAttributes, ""));
  EXPECT_STREQ(item.SearchRec.Mask, "");
  EXPECT_FALSE(archive.FindNext(item));
  archive.SelectItems(std::string(5000, '*'), AllAttributes, "");
  EXPECT_FALSE(archive.Directory->Items.ItemPtr(0).Selected);
}

TEST_F(SelectSearch, EmptyNamesAreNeverFound) {
  test::ZipBuilder zip;
  for (const char* name : {"", "/", "ok", "//"}) zip.Add(name, "", 0);
  Open(zip);
  TXAArchiveItem item;
  ASSERT_TRUE(archive.FindFirst("*.*", item, AllAttributes, ""));
  EXPECT_EQ(item.FileName, "ok");
  ASSERT_TRUE(archive.FindNext(item));  // "//" keeps a name once one separator is gone
  EXPECT_EQ(item.SearchRec.ItemIndex, 3);
  EXPECT_FALSE(archive.FindNext(item));
}

TEST_F(SelectSearch, NeedsAnOpenArchive) {
  TXAArchiveItem item;
  for (int step = 0; step < 3; ++step) {
    try {
      if (step == 0) archive.FindFirst("*.*", item, AllAttributes, "");
      if (step == 1) archive.FindNext(item);
      if (step == 2) archive.SelectItems("*.*", AllAttributes, "");
      ADD_FAILURE() << "no error at step " << step;
    } catch (const EXAException& e) {
      EXPECT_EQ(e.NativeError, 13);
    }
  }
}

}  // namespace
