#include <gtest/gtest.h>

#include <filesystem>

#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/FileStream.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "support/NativeError.h"
#include "support/TempDir.h"
#include "support/ZipBuilder.h"

namespace {

using test::NativeErrorOf;

std::string PlainArchive() {
  test::ZipBuilder zip;
  zip.Add("a.txt", "alpha");
  return zip.Build();
}

TEST(Archiver, FreshComponentHasItsDefaults) {
  TXanarc x;
  EXPECT_EQ(x.CompressionLevel(), clFastest);
  EXPECT_EQ(x.CompressionMode(), 1);
  EXPECT_EQ(x.NewItemMethod, 8);
  EXPECT_EQ(x.Zip64Mode, zmDisabled);
  EXPECT_EQ(x.SpanningMode(), smNone);
  EXPECT_EQ(x.CurrentVersion(), "2.65 ");
  EXPECT_FALSE(x.ExtractCorruptedFiles);
  EXPECT_FALSE(x.InMemory());
  EXPECT_FALSE(x.IsOpen);
  EXPECT_TRUE(x.OpenDamagedArchives);
  EXPECT_EQ(x.Options.StorePath, spRelativePath);
  EXPECT_TRUE(x.Options.Recurse);
  EXPECT_EQ(x.Options.ShareMode, smShareDenyNone);
  EXPECT_EQ(x.Options.OverwriteMode, omAlways);
  EXPECT_TRUE(x.Options.CreateDirs && x.Options.ReplaceReadOnly && x.Options.SetAttributes);
  EXPECT_EQ(x.Options.SearchAttr, 10431);
  EXPECT_TRUE(x.Options.FlushBuffers && x.Options.OEMFileNames);
  EXPECT_TRUE(x.SpanningOptions.AdvancedNaming);
  EXPECT_EQ(x.SpanningOptions.FirstVolumeSize, 0);
  EXPECT_EQ(x.SpanningOptions.VolumeSize, vsAutoDetect);
  EXPECT_EQ(x.SpanningOptions.CustomVolumeSize(), 0);
  EXPECT_EQ(x.VolumeInfo.Kind, TXAVolumeNumberInfo::vkUnknown);
  EXPECT_EQ(x.VolumeInfo.Number, -1);
  EXPECT_EQ(x.VolumeInfo.LastNumber, -1);

  TXABaseArchiver base;
  EXPECT_EQ(base.Zip64Mode, zmAuto);
  EXPECT_EQ(base.NewItemMethod, 0xFFFF);
}

TEST(Archiver, CompressionModeAndLevelStayInStep) {
  struct Case {
    int Mode;
    TXACompressionLevel Level;
    uint16_t Method;
  };
  for (Case c : {Case{0, clNone, 0}, Case{1, clFastest, 8}, Case{3, clFastest, 8}, Case{4, clNormal, 8},
                 Case{5, clNormal, 8}, Case{6, clNormal, 8}, Case{7, clMax, 8}, Case{9, clMax, 8}}) {
    TXanarc x;
    x.SetCompressionMode(c.Mode);
    EXPECT_EQ(x.CompressionLevel(), c.Level) << c.Mode;
    EXPECT_EQ(x.NewItemMethod, c.Method) << c.Mode;
  }
  TXanarc x;
  for (auto [level, mode] : {std::pair{clNone, 0}, {clFastest, 1}, {clNormal, 6}, {clMax, 9}}) {
    x.SetCompressionLevel(level);
    EXPECT_EQ(x.CompressionMode(), mode);
  }
}

TEST(Archiver, CompressionModeAboveNineIsRefusedAndChangesNothing) {
  TXanarc x;
  x.Name = "Xanarc1";
  x.SetCompressionMode(5);
  try {
    x.SetCompressionMode(10);
    FAIL() << "no error";
  } catch (const EXAException& e) {
    EXPECT_EQ(e.NativeError, 5);
    EXPECT_STREQ(e.what(), "Xanarc1: Invalid compression mode. Mode must be in [0-9] range - Native error: 00005");
  }
  EXPECT_EQ(x.CompressionMode(), 5);
  EXPECT_EQ(x.CompressionLevel(), clNormal);
}

TEST(Archiver, FixedAndClampedSettings) {
  TXanarc x;
  x.SetCurrentVersion("9.99");
  EXPECT_EQ(x.CurrentVersion(), "2.65 ");
  x.SpanningOptions.SetCustomVolumeSize(1000);
  EXPECT_EQ(x.SpanningOptions.CustomVolumeSize(), 65536);
  x.SpanningOptions.SetCustomVolumeSize(70000);
  EXPECT_EQ(x.SpanningOptions.CustomVolumeSize(), 70000);
  x.SetFileMasks({"*.txt", "*.dat"});
  EXPECT_EQ(x.FileMasks(), (std::vector<std::string>{"*.txt", "*.dat"}));
}

TEST(Archiver, VolumeSizeLimits) {
  TXASpanningOptions o;
  EXPECT_EQ(o.VolumeSizeLimit(false), -1);
  o.VolumeSize = vs1_44MB;
  EXPECT_EQ(o.VolumeSizeLimit(true), 1457664);
  o.VolumeSize = vs4700MB;
  EXPECT_EQ(o.VolumeSizeLimit(false), 4928307200);
  o.FirstVolumeSize = 123456;
  EXPECT_EQ(o.VolumeSizeLimit(true), 123456);
  EXPECT_EQ(o.VolumeSizeLimit(false), 4928307200);
  o.VolumeSize = vsCustom;
  o.SetCustomVolumeSize(100000);
  EXPECT_EQ(o.VolumeSizeLimit(false), 100000);
}

TEST(Archiver, OptionsAssignCopiesAllButShareMode) {
  TXAOptions from, to;
  from.OverwriteMode = omNever;
  from.ShareMode = smShareExclusive;
  from.OEMFileNames = false;
  from.SearchAttr = 7;
  to.Assign(from);
  EXPECT_EQ(to.OverwriteMode, omNever);
  EXPECT_FALSE(to.OEMFileNames);
  EXPECT_EQ(to.SearchAttr, 7);
  EXPECT_EQ(to.ShareMode, smShareDenyNone);

  TXASpanningOptions spanFrom, spanTo;
  spanFrom.AdvancedNaming = false;
  spanFrom.SetCustomVolumeSize(80000);
  spanTo.Assign(spanFrom);
  EXPECT_FALSE(spanTo.AdvancedNaming);
  EXPECT_EQ(spanTo.CustomVolumeSize(), 80000);
  // Another class falls back to the platform's assignment, which refuses it.
  EXPECT_THROW(to.Assign(spanFrom), Exception);
}

TEST(Archiver, VolumeNumberInfo) {
  TXAVolumeNumberInfo v;
  v.LastNumber = 3;
  v.SetLast();
  EXPECT_EQ(v.Number, 3);
  EXPECT_TRUE(v.IsLast());
  TXAVolumeNumberInfo first;
  first.SetFirst();
  EXPECT_TRUE(first.IsFirst());
  EXPECT_FALSE(v.SameVolume(first));
  EXPECT_TRUE(first.SameVolume(first));
  TXAVolumeNumberInfo unknownLast;
  unknownLast.SetLast();  // LastNumber unknown: the kind decides
  EXPECT_TRUE(unknownLast.IsLast());
  EXPECT_TRUE(unknownLast.SameVolume(v));
  TXAVolumeNumberInfo two, alsoTwo, unknown;
  two.SetNumber(2);
  alsoTwo.SetNumber(2);
  EXPECT_TRUE(two.SameVolume(alsoTwo));
  EXPECT_FALSE(two.SameVolume(unknown));
  EXPECT_TRUE(unknown.SameVolume(TXAVolumeNumberInfo{}));
}

TEST(Archiver, OpenRefusesBlankAndMissingNamesBeforeTouchingAnything) {
  test::TempDir dir;
  TXanarc x;
  x.Name = "Xanarc1";
  x.FileName = dir.Path("folder") + PathDelim;
  EXPECT_EQ(NativeErrorOf([&] { x.OpenArchive(0x20); }), 10);
  EXPECT_EQ(NativeErrorOf([&] { x.OpenArchive(); }), 9);

  const std::string good = dir.Write("good.zip", PlainArchive());
  x.FileName = good;
  x.OpenArchive(0x20);
  x.FileName = dir.Path("missing.zip");
  try {
    x.OpenArchive(0x20);
    FAIL() << "no error";
  } catch (const EXAException& e) {
    EXPECT_EQ(e.NativeError, 12);
    EXPECT_EQ(std::string(e.what()), "Xanarc1: File \"" + x.FileName + "\" not found - Native error: 00012");
  }
  EXPECT_TRUE(x.IsOpen);  // the archive open before stays open
  EXPECT_EQ(x.Directory->Items.Count(), 1);
}

TEST(Archiver, OpenAndCloseLeaveTheFileUnchanged) {
  test::TempDir dir;
  const std::string bytes = PlainArchive();
  const std::string path = dir.Write("a.zip", bytes);
  const auto before = std::filesystem::last_write_time(path);
  TXanarc x;
  int opened = 0;
  x.AfterOpen = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &x);
    ++opened;
  };
  x.FileName = path;
  x.OpenArchive(0x20);
  EXPECT_TRUE(x.IsOpen);
  EXPECT_EQ(x.SpanningMode(), smNone);
  EXPECT_EQ(x.Directory->StubSize, 0);
  EXPECT_EQ(x.Directory->Items.ItemPtr(0).StoredName, "a.txt");
  x.CloseArchive();
  x.CloseArchive();
  EXPECT_FALSE(x.IsOpen);
  EXPECT_EQ(x.ArchiveStream, nullptr);
  EXPECT_EQ(x.Directory, nullptr);
  EXPECT_EQ(test::TempDir::Read(path), bytes);
  EXPECT_EQ(std::filesystem::last_write_time(path), before);
  EXPECT_EQ(opened, 1);

  const std::string empty = dir.Write("empty.zip", "");
  x.FileName = empty;
  EXPECT_EQ(NativeErrorOf([&] { x.OpenArchive(0x20); }), 35);
  EXPECT_FALSE(x.IsOpen);
  EXPECT_EQ(opened, 1);  // never on a failed open
  x.CloseArchive();
  EXPECT_EQ(test::TempDir::Read(empty), "");
}

TEST(Archiver, CreateModeWritesTheEmptyEndRecordOnClose) {
  test::TempDir dir;
  const std::string path = dir.Write("new.zip", "old content");
  TXanarc x;
  x.FileName = path;
  x.OpenArchive(0xFFFF);
  EXPECT_TRUE(x.IsOpen);
  EXPECT_EQ(test::TempDir::Read(path), "");
  x.CloseArchive();
  const std::string expected = std::string("PK\x05\x06", 4) + std::string(18, '\0');
  EXPECT_EQ(test::TempDir::Read(path), expected);
  // And that file opens as an archive without items.
  x.OpenArchive(0x20);
  EXPECT_EQ(x.Directory->Items.Count(), 0);
}

TEST(Archiver, OpenWithoutModeCreatesMissingFiles) {
  test::TempDir dir;
  TXanarc x;
  x.FileName = dir.Path("fresh.zip");
  x.OpenArchive();
  EXPECT_EQ(x.StreamOpenMode, 0xFFFF);
  x.CloseArchive();
  EXPECT_EQ(test::TempDir::Read(x.FileName).size(), 22u);
  x.OpenArchive();
  EXPECT_EQ(x.StreamOpenMode, 0x22);
}

TEST(Archiver, InMemoryArchives) {
  test::TempDir dir;
  TXanarc x;
  x.Name = "Xanarc1";
  x.SetInMemory(true);
  x.FileName = dir.Write("a.zip", PlainArchive());
  EXPECT_EQ(NativeErrorOf([&] { x.OpenArchive(0x20); }), 28);
  x.OpenArchive(0xFFFF);
  EXPECT_NE(dynamic_cast<TMemoryStream*>(x.ArchiveStream.get()), nullptr);

  // Back to a file: the memory archive is written to FileName and opened from there.
  x.FileName = dir.Path("saved.zip");
  x.SetInMemory(false);
  EXPECT_FALSE(x.InMemory());
  EXPECT_TRUE(x.IsOpen);
  EXPECT_EQ(test::TempDir::Read(x.FileName).size(), 22u);

  // To memory again: a new, empty archive; the file is left as it was.
  x.SetInMemory(true);
  EXPECT_TRUE(x.IsOpen);
  EXPECT_EQ(x.ArchiveStream->Size(), 0);

  x.FileName.clear();
  EXPECT_EQ(NativeErrorOf([&] { x.SetInMemory(false); }), 29);
}

TEST(Archiver, SpanningModeIsFixedWhileOpen) {
  test::TempDir dir;
  TXanarc x;
  x.SetSpanningMode(smSplitting);
  EXPECT_EQ(x.SpanningMode(), smSplitting);
  x.FileName = dir.Write("a.zip", PlainArchive());
  x.OpenArchive(0x20);
  EXPECT_EQ(x.SpanningMode(), smNone);  // every open sets it anew
  try {
    x.SetSpanningMode(smSpanning);
    FAIL() << "no error";
  } catch (const EXAException&) {
    FAIL() << "must be a plain exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Cannot set spanning mode on open archive");
  }
}

TEST(Archiver, DestroyingAnOpenComponentReleasesItsFile) {
  test::TempDir dir;
  const std::string path = dir.Write("a.zip", PlainArchive());
  {
    TXanarc x;
    x.FileName = path;
    x.OpenArchive(0x20);
  }
  // A writer that the deny-write reader would have refused gets through now.
  EXPECT_NO_THROW(TFileStream(path, fmCreate));
}

TEST(Archiver, ProcessLockIsRecursiveAndShared) {
  std::recursive_mutex& lock = ProcessLock();
  EXPECT_EQ(&lock, &ProcessLock());
  std::lock_guard outer(lock);
  EXPECT_TRUE(lock.try_lock());
  lock.unlock();
}

}  // namespace
