// One item on disk: folders, overwrite decisions, times, attributes and unsafe names.
#include "archive/XAExcept.h"
#include "unit/ExtractFixture.h"

namespace {

using test::ExtractFixture;
namespace fs = std::filesystem;

class ExtractItem : public ExtractFixture {};

bool IsReadOnly(const std::string& Path) { return (FileGetAttr(Path) & faReadOnly) != 0; }

// Entries of a folder, to show that no temporary file is left behind.
std::vector<std::string> Listing(const std::string& Folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(Folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(ExtractItem, FolderItemsAndCreateDirs) {
  for (bool createDirs : {true, false}) {
    SCOPED_TRACE(createDirs);
    fs::remove_all(Base);
    fs::create_directories(Base);  // without CreateDirs even the base folder must exist
    test::ZipBuilder zip;
    zip.Add("docs/", "", 0).ExternalAttr = faDirectory;
    zip.Add("docs/a.txt", "text");
    Open(zip);
    Archiver.Options.CreateDirs = createDirs;
    Extract();
    if (createDirs) {
      EXPECT_EQ(Listing(Base), (std::vector<std::string>{"docs"}));
      EXPECT_EQ(Read(Out("docs/a.txt")), "text");
    } else {
      EXPECT_EQ(Listing(Base), (std::vector<std::string>{"a.txt"}));
      EXPECT_EQ(Read(Out("a.txt")), "text");
    }
    Archiver.CloseArchive();
  }
}

TEST_F(ExtractItem, FlattenedNamesLeaveTheLaterItem) {
  test::ZipBuilder zip;
  zip.Add("a/x.txt", "first");
  zip.Add("b/x.txt", "second");
  Open(zip);
  fs::create_directories(Base);
  Archiver.Options.CreateDirs = false;
  Extract();
  EXPECT_EQ(Listing(Base), (std::vector<std::string>{"x.txt"}));
  EXPECT_EQ(Read(Out("x.txt")), "second");
}

TEST_F(ExtractItem, ReadOnlyDestination) {
  struct Case { bool ReplaceReadOnly; TXAOverwriteMode Mode; bool Replaced; };
  for (const Case c : {Case{true, omAlways, true}, Case{false, omPrompt, false}, Case{false, omAlways, false}}) {
    SCOPED_TRACE(c.ReplaceReadOnly);
    const std::string path = Existing("r.txt", "old");
    FileSetAttr(path, faReadOnly);
    test::ZipBuilder zip;
    zip.Add("r.txt", "new").ExternalAttr = faArchive | faReadOnly;
    Open(zip);
    Archiver.Options.ReplaceReadOnly = c.ReplaceReadOnly;
    Archiver.Options.OverwriteMode = c.Mode;
    Extract();
    EXPECT_EQ(Read(path), c.Replaced ? "new" : "old");
    EXPECT_TRUE(IsReadOnly(path));
    EXPECT_TRUE(Dialogs.Texts.empty());
    Archiver.CloseArchive();
    FileSetAttr(path, faArchive);
    DeleteFile(path);
  }
}

TEST_F(ExtractItem, TimeModesCompareTheExistingFileAge) {
  const uint16_t itemTime = 0x6000;  // 12:00:00
  struct Case { TXAOverwriteMode Mode; uint16_t ExistingTime; bool Replaced; };
  const Case cases[] = {
      {omIfNewer, itemTime, false}, {omIfNewer, 0x5800, true}, {omIfNewer, 0x6800, false},
      {omIfOlder, itemTime, false}, {omIfOlder, 0x6800, true}, {omIfOlder, 0x5800, false},
      {omNever, 0x5800, false},     {omAlways, 0x6800, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.Mode) << " " << std::hex << c.ExistingTime);
    const std::string path = Existing("t.txt", "old");
    ASSERT_TRUE(FileSetDate(path, int32_t(0x5A21u << 16 | c.ExistingTime)));
    test::ZipBuilder zip;
    zip.Add("t.txt", "new").Time = itemTime;
    Open(zip);
    Archiver.Options.OverwriteMode = c.Mode;
    Extract();
    EXPECT_EQ(Read(path), c.Replaced ? "new" : "old");
    Archiver.CloseArchive();
  }
}

TEST_F(ExtractItem, OverwriteQuestionAnswers) {
  struct Case {
    std::deque<TModalResult> Answers;
    size_t Questions;
    std::vector<bool> Replaced;
    TXAOverwriteMode ModeAfter;
  };
  const Case cases[] = {
      {{mrNoToAll}, 1, {false, false, false}, omNever},
      {{mrYesToAll}, 1, {true, true, true}, omAlways},
      {{mrYes, mrNo, mrNone}, 3, {true, false, false}, omPrompt}};
  const std::vector<std::string> names = {"a.txt", "b.txt", "c.txt"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Questions);
    test::ZipBuilder zip;
    for (const std::string& name : names) {
      Existing(name, "old");
      zip.Add(name, "new");
    }
    Open(zip);
    Archiver.Options.OverwriteMode = omPrompt;
    Dialogs.Texts.clear();
    Dialogs.Asked.clear();
    Dialogs.Answers = c.Answers;
    Extract();
    ASSERT_EQ(Dialogs.Texts.size(), c.Questions);
    EXPECT_EQ(Dialogs.Texts[0], "Overwrite file \"" + Out("a.txt") + "\" with \"a.txt\"");
    EXPECT_EQ(Dialogs.Asked[0], (TMsgDlgButtons{mbYes, mbNo, mbNoToAll, mbYesToAll}));
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(Read(Out(names[i])), c.Replaced[i] ? "new" : "old") << i;
    EXPECT_EQ(Archiver.Options.OverwriteMode, c.ModeAfter);
    Archiver.CloseArchive();
  }
}

TEST_F(ExtractItem, ConfirmOverwriteHandlerRedirectsTheFile) {
  const std::string original = Existing("a.txt", "old");
  const std::string elsewhere = Tmp.Path("elsewhere.txt");
  test::ZipBuilder zip;
  zip.Add("a.txt", "new");
  Open(zip);
  Archiver.Options.OverwriteMode = omPrompt;
  std::string source, dest;
  Archiver.OnConfirmOverwrite = [&](TObject*, const std::string& Source, std::string& Dest, bool& Confirm) {
    source = Source;
    dest = Dest;
    EXPECT_FALSE(Confirm);
    Dest = elsewhere;
    Confirm = true;
  };
  Extract();
  EXPECT_EQ(source, "a.txt");
  EXPECT_EQ(dest, original);
  EXPECT_EQ(Read(original), "old");
  EXPECT_EQ(Read(elsewhere), "new");
}

TEST_F(ExtractItem, ExtractFileHandlerGivesItsOwnPathAndAttributes) {
  const std::string target = Tmp.Path("handler") + PathDelim + "x.txt";
  test::ZipBuilder zip;
  zip.Add("sub/a.txt", "one").ExternalAttr = faArchive | faReadOnly | faHidden;
  zip.Add("b.txt", "two").ExternalAttr = faArchive | faReadOnly | faHidden;
  Open(zip);
  Archiver.OnExtractFile = [&](TObject*, std::string& FileName, uint32_t& FileAttr, const std::string&) {
    if (FileName == N("sub/a.txt")) FileName = target;
    else FileAttr = 0;
  };
  Extract();
  EXPECT_EQ(Read(target), "one");
  EXPECT_TRUE(IsReadOnly(target));
  EXPECT_FALSE(FileExists(Out("sub/a.txt")));
  EXPECT_EQ(Read(Out("b.txt")), "two");
  // Wine reports the archive bit on every file, so only the others can show the change.
  EXPECT_EQ(FileGetAttr(Out("b.txt")) & (faReadOnly | faHidden | faSysFile), 0u);
  FileSetAttr(target, 0);
}

TEST_F(ExtractItem, FileTimeIsTheItemsDosTime) {
  test::ZipBuilder zip;
  test::ZipEntry& a = zip.Add("a.txt", "one");
  a.Date = 0x4A8F;  // 2017-04-15
  a.Time = 0x7B2D;  // 15:25:26
  zip.Add("b.txt", "two");
  Open(zip);
  Extract();
  EXPECT_EQ(FileAge(Out("a.txt")), int32_t(0x4A8F7B2D));
  EXPECT_EQ(FileAge(Out("b.txt")), int32_t(0x5A216000));
}

TEST_F(ExtractItem, FailedOrCancelledItemLeavesTheOldFileIntact) {
  for (bool cancel : {false, true}) {
    SCOPED_TRACE(cancel);
    const std::string path = Existing("a.txt", "old");
    test::ZipBuilder zip;
    test::ZipEntry& e = zip.Add("a.txt", "new content");
    if (!cancel) {
      e.OverrideSizes = true;
      e.CentralCrc = 0xDEADBEEF;
      e.CentralPacked = uint32_t(test::ZipBuilder::PackedOf(e).size());
      e.CentralUnpacked = uint32_t(e.Data.size());
    }
    Open(zip);
    RecordFailures(fxaIgnore);
    Archiver.OnFileProgress = [&](TObject*, const std::string&, double, TXAProcessOperation,
                                  TXAProgressPhase Phase, bool& Cancel) { Cancel = cancel && Phase == ppProcess; };
    Extract();
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Listing(Base), (std::vector<std::string>{"a.txt"}));
    EXPECT_EQ(Events.size(), cancel ? 0u : 1u);
    Events.clear();
    Archiver.CloseArchive();
  }
}

TEST_F(ExtractItem, UnsafeStoredNamesAreRefused) {
  struct Case { std::string Stored; std::string Outside; };
  const Case cases[] = {
      {"../evil", Tmp.Path("evil")},
      {"a/../../evil2", Tmp.Path("evil2")},
      {"/etc/velanto-x", "/etc/velanto-x"},
      {"C:\\velanto-x", "C:\\velanto-x"},
      {"velanto-y//x", "velanto-y" + std::string(1, PathDelim) + "x"},
  };
  test::ZipBuilder zip;
  for (const Case& c : cases) zip.Add(c.Stored, "evil");
  zip.Add("fine.txt", "fine");
  Open(zip);
  RecordFailures(fxaIgnore);
  Extract();
  ASSERT_EQ(Events.size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].Stored);
    EXPECT_EQ(Events[i].substr(Events[i].size() - 3), " 19");
    EXPECT_NE(Messages[i].find("Cannot create file \""), std::string::npos);
    EXPECT_FALSE(FileExists(cases[i].Outside));
  }
  EXPECT_EQ(Listing(Base), (std::vector<std::string>{"fine.txt"}));
}

TEST_F(ExtractItem, SymbolicLinkEntryBecomesAPlainFile) {
  test::ZipBuilder zip;
  test::ZipEntry& link = zip.Add("link", "target.txt", 0);
  link.MadeBy = 0x031E;
  link.ExternalAttr = 0120777u << 16;
  Open(zip);
  Extract();
  EXPECT_FALSE(fs::is_symlink(Out("link")));
  EXPECT_EQ(Read(Out("link")), "target.txt");
#ifndef _WIN32
  EXPECT_EQ(fs::status(Out("link")).permissions() & fs::perms::others_write, fs::perms::none);
#endif
}

#ifndef _WIN32
TEST_F(ExtractItem, UnixModesAndKeptPermissions) {
  const std::string kept = Existing("tool.sh", "old");
  fs::permissions(kept, fs::perms(0750));
  test::ZipBuilder zip;
  zip.Add("tool.sh", "new").ExternalAttr = faArchive;  // made on DOS: permissions stay
  test::ZipEntry& unixItem = zip.Add("run.sh", "#!/bin/sh\n");
  unixItem.MadeBy = 0x031E;
  unixItem.ExternalAttr = 0100755u << 16;
  Open(zip);
  Extract();
  EXPECT_EQ(Read(kept), "new");
  EXPECT_EQ(fs::status(kept).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  EXPECT_EQ(fs::status(Out("run.sh")).permissions() & fs::perms::mask, fs::perms(0755));
}
#endif

}  // namespace
