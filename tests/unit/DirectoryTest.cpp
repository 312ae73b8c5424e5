#include <gtest/gtest.h>

#include <memory>

#include "archive/DirManager.h"
#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/Stream.h"
#include "support/NativeError.h"
#include "support/TempDir.h"
#include "support/ZipBuilder.h"

namespace {

using test::Put16;
using test::Put32;
using test::Put64;

struct TOpened {
  test::TempDir Dir;
  TXanarc Archive;
  const TXADirManager& Directory() const { return *Archive.Directory; }
  const TDirItem& Item(int i) const { return Archive.Directory->Items.ItemPtr(i); }
  int Count() const { return Archive.Directory->Items.Count(); }
};

std::unique_ptr<TOpened> Open(const std::string& Bytes, bool OemFileNames = true) {
  auto o = std::make_unique<TOpened>();
  o->Archive.Options.OEMFileNames = OemFileNames;
  o->Archive.FileName = o->Dir.Write("test.zip", Bytes);
  o->Archive.OpenArchive(0x20);
  return o;
}

std::string Fixture(const std::string& Name) {
  return test::TempDir::Read(std::string(VELANTO_SOURCE_DIR) + "/tests/fixtures/archive/" + Name);
}

using test::NativeErrorOf;

// Splits a built archive (without comment) into everything before the end record and the record.
std::pair<std::string, std::string> SplitEnd(const std::string& Zip) {
  return {Zip.substr(0, Zip.size() - 22), Zip.substr(Zip.size() - 22)};
}

TEST(Directory, ReadsEntriesOfAnOrdinaryArchive) {
  test::ZipBuilder zip;
  test::ZipEntry& a = zip.Add("a.txt", "alpha", 0);
  a.Comment = "first";
  a.ExternalAttr = 0x21;
  zip.Add("dir/", "", 0).ExternalAttr = 0x10;
  zip.Add("dir/b.txt", std::string(1000, 'b'));
  auto o = Open(zip.Build());
  ASSERT_EQ(o->Count(), 3);
  EXPECT_EQ(o->Item(0).StoredName, "a.txt");
  EXPECT_EQ(o->Item(0).ItemComment, "first");
  EXPECT_EQ(o->Item(0).ExternalAttr, 0x21u);
  EXPECT_EQ(o->Item(0).DataCrc, test::Crc("alpha"));
  EXPECT_EQ(o->Item(0).UnpackedSize, 5u);
  EXPECT_EQ(o->Item(0).HeaderOffset, 0u);
  EXPECT_EQ(o->Item(0).HeaderSignature, SigCentralEntry);
  EXPECT_EQ(o->Item(1).StoredName, "dir/");
  EXPECT_EQ(o->Item(2).CompressionMethod, 8);
  EXPECT_EQ(o->Item(2).UnpackedSize, 1000u);
  EXPECT_FALSE(o->Item(2).Selected);
  EXPECT_FALSE(o->Directory().IsZip64);
  EXPECT_EQ(o->Directory().StubSize, 0);
  EXPECT_GT(o->Directory().DirectoryStart, 0);
}

TEST(Directory, ArchiveComments) {
  struct Case {
    const char* What;
    std::string Comment;
  };
  const std::string fakeEnd = std::string("PK\x05\x06", 4) + std::string(18, '\0');
  for (const Case& c : {Case{"plain", "release notes"}, Case{"holding the end signature", "x" + fakeEnd + "y"},
                        Case{"largest", std::string(65535, 'c')}}) {
    test::ZipBuilder zip;
    zip.Add("a.txt", "alpha");
    zip.Comment = c.Comment;
    auto o = Open(zip.Build());
    EXPECT_EQ(o->Directory().DirComment, c.Comment) << c.What;
    ASSERT_EQ(o->Count(), 1) << c.What;
    EXPECT_EQ(o->Item(0).StoredName, "a.txt") << c.What;
    EXPECT_EQ(o->Directory().EndRecord.CommentLen, c.Comment.size()) << c.What;
  }
}

TEST(Directory, PeerToolArchives) {
  struct Case {
    const char* File;
    const char* Comment;
    std::vector<std::string> Names;
  };
  for (const Case& c : {Case{"infozip-comment.zip", "release 1.2", {"a.txt", "sub/", "sub/b.txt", "empty.txt"}},
                        Case{"7zip.zip", "", {"a.txt", "empty.txt", "sub/", "sub/b.txt"}},
                        Case{"bsdtar.zip", "", {"a.txt", "sub/", "sub/b.txt", "empty.txt"}}}) {
    auto o = Open(Fixture(c.File));
    EXPECT_EQ(o->Directory().DirComment, c.Comment) << c.File;
    ASSERT_EQ(o->Count(), int(c.Names.size())) << c.File;
    for (int i = 0; i < o->Count(); ++i) {
      EXPECT_EQ(o->Item(i).StoredName, c.Names[size_t(i)]) << c.File;
      if (o->Item(i).StoredName == "sub/b.txt") {
        EXPECT_EQ(o->Item(i).UncompressedSize(), 780u) << c.File;
        EXPECT_EQ(o->Item(i).DataCrc, 0x15de5671u) << c.File;
      }
    }
  }
}

TEST(Directory, EmptyArchiveOfOnlyAnEndRecord) {
  auto o = Open(std::string("PK\x05\x06", 4) + std::string(18, '\0'));
  EXPECT_EQ(o->Count(), 0);
  EXPECT_EQ(o->Directory().StubSize, 0);
  EXPECT_EQ(o->Directory().DirectoryStart, 0);
  EXPECT_EQ(o->Archive.SpanningMode(), smNone);
}

TEST(Directory, Zip64RecordsFromPythonZipfile) {
  TXanarc reader;
  ASSERT_EQ(reader.Zip64Mode, zmDisabled);  // reading honours ZIP64 whatever the setting
  auto o = Open(Fixture("python-zip64.zip"));
  EXPECT_TRUE(o->Directory().IsZip64);
  EXPECT_EQ(o->Directory().Zip64EndRecord.TotalEntries, 2u);
  ASSERT_EQ(o->Count(), 2);
  const TDirItem& b = o->Item(1);
  EXPECT_EQ(b.StoredName, "sub/b.txt");
  EXPECT_TRUE(b.HasZip64Field);
  EXPECT_EQ(b.PackedSize, 0xFFFFFFFFu);
  EXPECT_EQ(b.UncompressedSize(), 120u);
  EXPECT_EQ(b.CompressedSize(), 17u);
  EXPECT_EQ(b.HeaderOffset, 0xFFFFFFFFu);
  EXPECT_EQ(b.LocalHeaderOffset(), 63u);
  EXPECT_EQ(o->Directory().StubSize, 0);
}

TEST(Directory, Zip64ExtraTakesOnlyTheSaturatedFields) {
  test::ZipBuilder zip;
  test::ZipEntry& e = zip.Add("big.bin", "data", 0);
  e.OverrideSizes = true;
  e.CentralCrc = test::Crc("data");
  e.CentralPacked = 0xFFFFFFFF;
  e.CentralUnpacked = 4;
  Put16(e.Extra, 1);
  Put16(e.Extra, 8);
  Put64(e.Extra, 4);
  auto o = Open(zip.Build());
  const TDirItem& item = o->Item(0);
  EXPECT_TRUE(item.HasZip64Field);
  EXPECT_EQ(item.Zip64PackedSize, 4u);
  EXPECT_EQ(item.Zip64UnpackedSize, 0u);
  EXPECT_EQ(item.Zip64HeaderOffset, 0u);
  EXPECT_EQ(item.CompressedSize(), 4u);
}

TEST(Directory, Zip64LocatorWithoutItsRecordIsError40) {
  test::ZipBuilder zip;
  zip.Add("a.txt", "alpha");
  auto [body, end] = SplitEnd(zip.Build());
  std::string locator;
  Put32(locator, SigZip64Locator);
  Put32(locator, 0);
  Put64(locator, 0);  // points at the local header, not at a ZIP64 end record
  Put32(locator, 1);
  test::TempDir dir;
  TXanarc x;
  x.FileName = dir.Write("z.zip", body + locator + end);
  EXPECT_EQ(NativeErrorOf([&] { x.OpenArchive(0x20); }), 40);
  EXPECT_FALSE(x.IsOpen);
  x.FileName = dir.Write("tiny.zip", std::string(30, 'x') + locator + end);  // no room for a ZIP64 end record
  EXPECT_EQ(NativeErrorOf([&] { x.OpenArchive(0x20); }), 40);
}

TEST(Directory, SaturatedDiskFieldsReadAsDiskZero) {
  test::ZipBuilder zip;
  zip.Add("a.txt", "alpha");
  std::string bytes = zip.Build();
  const size_t end = bytes.size() - 22;
  bytes[end + 4] = bytes[end + 5] = bytes[end + 6] = bytes[end + 7] = '\xFF';
  auto o = Open(bytes);
  EXPECT_EQ(o->Directory().EndRecord.ThisDisk, 0);
  EXPECT_EQ(o->Directory().EndRecord.DirStartDisk, 0);
  EXPECT_EQ(o->Count(), 1);
}

TEST(Directory, NameRules) {
  struct Case {
    const char* What;
    std::string Raw;
    bool Oem;
    uint16_t Flags;
    std::string Expected;
    uint16_t MadeBy = 20;
  };
#ifdef _WIN32
  const std::string eAcute = "\xE9";
#else
  const std::string eAcute = "\xC3\xA9";
#endif
  const std::string longName(1200, 'n');
  for (const Case& c : {
           Case{"zero byte", std::string("abcde\0fgh", 9), true, 0, "abcde"},
           Case{"backslashes", "dir\\sub\\f.txt", true, 0, "dir/sub/f.txt"},
           Case{"too long", longName, true, 0, std::string(999, 'n')},
           Case{"OEM 0x82", "caf\x82", true, 0, "caf" + eAcute},
           Case{"OEM off", "caf\x82", false, 0, "caf\x82"},
           Case{"UTF-8 flag", "caf\xC3\xA9", true, 0x0800, "caf" + eAcute},
           Case{"UTF-8 from Unix", "caf\xC3\xA9", true, 0, "caf" + eAcute, 0x031E},
           Case{"OEM from Unix", "caf\x82", true, 0, "caf" + eAcute, 0x031E},
       }) {
    test::ZipBuilder zip;
    test::ZipEntry& e = zip.Add(c.Raw, "x", 0);
    e.Flags = c.Flags;
    e.MadeBy = c.MadeBy;
    e.Comment = "after the name";
    Put16(e.Extra, 0x5455);
    Put16(e.Extra, 1);
    e.Extra += '\x01';
    zip.Add("next.txt", "y", 0);
    auto o = Open(zip.Build(), c.Oem);
    EXPECT_EQ(o->Item(0).StoredName, c.Expected) << c.What;
    EXPECT_EQ(o->Item(0).NameLen, c.Raw.size()) << c.What;
    // What follows the name is read from its own place.
    EXPECT_EQ(o->Item(0).ItemComment, "after the name") << c.What;
    ASSERT_EQ(o->Item(0).Extras.size(), 1u) << c.What;
    EXPECT_EQ(o->Item(0).Extras[0].FieldId, 0x5455) << c.What;
    EXPECT_EQ(o->Item(1).StoredName, "next.txt") << c.What;
  }
}

TEST(Directory, UnicodePathExtraReplacesTheNameWhenItsCrcMatches) {
#ifdef _WIN32
  const std::string expected = "r\xE9sum\xE9.txt";
#else
  const std::string expected = "r\xC3\xA9sum\xC3\xA9.txt";
#endif
  const std::string raw = "r\x82sum\x82.txt";
  for (bool crcMatches : {true, false}) {
    test::ZipBuilder zip;
    test::ZipEntry& e = zip.Add(raw, "x", 0);
    const std::string utf8 = "r\xC3\xA9sum\xC3\xA9.txt";
    Put16(e.Extra, 0x7075);
    Put16(e.Extra, uint32_t(5 + utf8.size()));
    e.Extra += '\x01';
    Put32(e.Extra, crcMatches ? test::Crc(raw) : test::Crc("other"));
    e.Extra += utf8;
    auto o = Open(zip.Build(), /*OemFileNames=*/false);
    EXPECT_EQ(o->Item(0).StoredName, crcMatches ? expected : raw) << crcMatches;
  }
}

TEST(Directory, ExtraRecordLongerThanItsFieldIsCut) {
  test::ZipBuilder zip;
  test::ZipEntry& e = zip.Add("a.txt", "alpha", 0);
  Put16(e.Extra, 0xCAFE);
  Put16(e.Extra, 100);  // announces 100 bytes, 10 follow
  e.Extra += "0123456789";
  e.Comment = "kept";
  zip.Add("b.txt", "beta", 0);
  auto o = Open(zip.Build());
  ASSERT_EQ(o->Item(0).Extras.size(), 1u);
  EXPECT_EQ(o->Item(0).Extras[0].FieldSize, 10);
  EXPECT_EQ(std::string(o->Item(0).Extras[0].FieldData.begin(), o->Item(0).Extras[0].FieldData.end()), "0123456789");
  EXPECT_EQ(o->Item(0).ItemComment, "kept");
  EXPECT_EQ(o->Item(1).StoredName, "b.txt");
}

TEST(Directory, ExtraFieldEndingInAPartialHeaderStaysInsideTheEntry) {
  test::ZipBuilder zip;
  test::ZipEntry& e = zip.Add("a.txt", "alpha", 0);
  Put16(e.Extra, 0xCAFE);
  Put16(e.Extra, 2);
  e.Extra += "ab";
  e.Extra += "zz";  // two bytes, not enough for another record header
  e.Comment = "kept";
  zip.Add("b.txt", "beta", 0);
  auto o = Open(zip.Build());
  ASSERT_EQ(o->Item(0).Extras.size(), 1u);
  EXPECT_EQ(o->Item(0).ItemComment, "kept");
  EXPECT_EQ(o->Item(1).StoredName, "b.txt");
}

TEST(Directory, DirectoryRunningPastTheEndIsAReadError) {
  struct Case {
    const char* What;
    uint16_t Count;
    uint32_t DirSize;  // 0: as built
  };
  for (const Case& c : {Case{"huge entry count", 0xFFFF, 0}, Case{"huge directory size", 2, 0x7FFFFFF0},
                        Case{"huge count starting before the file", 0xFFFF, 0xFFFFFFF0},
                        Case{"one entry too many", 3, 0}}) {
    test::ZipBuilder zip;
    zip.Add("a.txt", "alpha");
    zip.Add("b.txt", "beta");
    std::string bytes = zip.Build();
    std::string count, size;
    Put16(count, c.Count);
    bytes.replace(bytes.size() - 12, 2, count);
    Put32(size, c.DirSize);
    if (c.DirSize) bytes.replace(bytes.size() - 10, 4, size);
    test::TempDir dir;
    TXanarc x;
    x.FileName = dir.Write("z.zip", bytes);
    EXPECT_THROW(x.OpenArchive(0x20), EReadError) << c.What;
    EXPECT_FALSE(x.IsOpen) << c.What;
    // A count the file cannot hold does not allocate for it.
    ASSERT_NE(x.Directory, nullptr);
    EXPECT_LE(x.Directory->Items.Capacity(), 1000) << c.What;
  }
}

TEST(Directory, TruncatedEntryIsAReadError) {
  test::ZipBuilder zip;
  zip.Add("a.txt", "alpha").Comment = "a comment";
  std::string bytes = zip.Build();
  // Central entry's comment length claims more than the directory holds.
  const size_t central = bytes.find(std::string("PK\x01\x02", 4));
  bytes[central + 32] = '\x7F';
  test::TempDir dir;
  TXanarc x;
  x.FileName = dir.Write("z.zip", bytes);
  EXPECT_THROW(x.OpenArchive(0x20), EReadError);
  EXPECT_FALSE(x.IsOpen);
}

TEST(DirArray, GrowthRule) {
  TXADirArray a;
  a.SetCount(1);
  EXPECT_EQ(a.Capacity(), 1000);
  a.SetCount(1001);
  EXPECT_EQ(a.Capacity(), 3000);
  a.SetCount(3001);
  EXPECT_EQ(a.Capacity(), 7000);
  a.SetCount(20000);  // beyond what the next step gives: allocated exactly
  EXPECT_EQ(a.Capacity(), 20000);
  a.SetCount(20001);
  EXPECT_EQ(a.Capacity(), 30000);
  a.SetCount(30001);
  EXPECT_EQ(a.Capacity(), 40000);  // the step stays at its maximum
  EXPECT_EQ(a.GrowStep(), TXADirArray::MaxGrowStep);
  a.SetCount(5);
  EXPECT_EQ(a.Capacity(), 40000);
  EXPECT_EQ(a.Count(), 5);
  a.SetCount(0);
  EXPECT_EQ(a.Capacity(), 0);
  EXPECT_EQ(a.Count(), 0);
}

TEST(DirArray, IndexErrors) {
  TXADirArray a;
  a.SetCount(2);
  TDirItem item;
  struct Case {
    int Native;
    std::function<void()> Action;
  };
  for (const Case& c : {Case{2, [&] { a.GetItem(2, item); }}, Case{2, [&] { a.GetItem(-1, item); }},
                        Case{3, [&] { a.ItemPtr(-1); }}, Case{3, [&] { a.ItemPtr(2); }},
                        Case{1, [&] { a.SetItem(2, item); }}, Case{4, [&] { a.Delete(2); }},
                        Case{4, [&] { a.Delete(-1); }}}) {
    try {
      c.Action();
      ADD_FAILURE() << "no error for " << c.Native;
    } catch (const EXAException& e) {
      EXPECT_EQ(e.NativeError, c.Native);
      EXPECT_EQ(e.ErrorCode, 1);
      EXPECT_EQ(std::string(e.what()).rfind("Index out of bounds", 0), 0u);  // no component name
    }
  }
}

TEST(DirArray, ItemsCopyDeleteAndSelection) {
  TXADirArray a;
  a.SetCount(3);
  for (int i = 0; i < 3; ++i) {
    a.ItemPtr(i).StoredName = std::string(1, char('a' + i));
    a.ItemPtr(i).Selected = true;
  }
  TExtraField extra;
  extra.FieldId = 7;
  extra.FieldData = {1, 2, 3};
  a.ItemPtr(1).Extras.push_back(extra);
  TDirItem copy;
  a.GetItem(1, copy);
  EXPECT_EQ(copy.StoredName, "b");
  EXPECT_EQ(copy.Extras.at(0).FieldData.size(), 3u);
  a.Delete(0);
  EXPECT_EQ(a.Count(), 2);
  EXPECT_EQ(a.ItemPtr(0).StoredName, "b");
  EXPECT_EQ(a.ItemPtr(0).Extras.size(), 1u);
  EXPECT_EQ(a.ItemPtr(1).StoredName, "c");
  a.SetItem(1, copy);
  EXPECT_EQ(a.ItemPtr(1).StoredName, "b");
  a.ClearSelection();
  EXPECT_FALSE(a.ItemPtr(0).Selected || a.ItemPtr(1).Selected);
  TXADirArray b;
  b.AssignItems(a);
  EXPECT_EQ(b.Count(), 2);
  EXPECT_EQ(b.ItemPtr(1).Extras.at(0).FieldId, 7);
  a.Clear();
  EXPECT_EQ(a.Count(), 0);
  EXPECT_GE(a.Capacity(), 3);
}

}  // namespace
