// The extraction run: order and arguments of its events, cancels, refusals and failures.
#include <stdexcept>
#include <thread>

#include "archive/XAExcept.h"
#include "unit/ExtractFixture.h"

namespace {

using test::ExtractFixture;

class ExtractDriver : public ExtractFixture {
protected:
  void OpenTwoItems() {
    test::ZipBuilder zip;
    zip.Add("a.txt", "alpha");
    zip.Add("b.txt", "bravo");
    Open(zip);
  }
};

TEST_F(ExtractDriver, EventsFireInOrderWithTheirArguments) {
  test::ZipBuilder zip;
  zip.Add("d/a.txt", "alpha");
  zip.Add("b.txt", "bravo", 0);
  Open(zip);
  RecordEvents();
  Extract();
  const std::vector<std::string> expected = {
      "overall start 0.0",
      "confirm " + N("d/a.txt"), "file " + N("d/a.txt") + " start 0.0", "extract " + N("d/a.txt"),
      "file " + N("d/a.txt") + " process 0.0", "overall process 0.0", "file " + N("d/a.txt") + " end 100.0",
      "confirm b.txt", "file b.txt start 0.0", "extract b.txt",
      "file b.txt process 0.0", "overall process 50.0", "file b.txt end 100.0",
      "overall end 100.0"};
  EXPECT_EQ(Events, expected);
  EXPECT_EQ(Read(Out("d/a.txt")), "alpha");
  EXPECT_EQ(Read(Out("b.txt")), "bravo");
  EXPECT_EQ(Archiver.DoneFileCount, 2);
  EXPECT_EQ(Archiver.SelectedFileCount, 2);
}

TEST_F(ExtractDriver, ZeroSelectedItemsFireOnlyTheOverallEvents) {
  OpenTwoItems();
  RecordEvents();
  Extract("nothing*");
  EXPECT_EQ(Events, (std::vector<std::string>{"overall start 0.0", "overall end 100.0"}));
  EXPECT_FALSE(FileExists(Out("a.txt")));
}

TEST_F(ExtractDriver, RefusedItemIsPassedOverWithoutFileEvents) {
  OpenTwoItems();
  RecordEvents();
  Refused = "a.txt";
  Extract();
  const std::vector<std::string> expected = {
      "overall start 0.0", "confirm a.txt",
      "confirm b.txt", "file b.txt start 0.0", "extract b.txt",
      "file b.txt process 0.0", "overall process 0.0", "file b.txt end 100.0",
      "overall end 100.0"};
  EXPECT_EQ(Events, expected);
  EXPECT_FALSE(FileExists(Out("a.txt")));
  EXPECT_TRUE(FileExists(Out("b.txt")));
  EXPECT_EQ(Archiver.DoneFileCount, 1);
}

TEST_F(ExtractDriver, CancelWhileDecodingRemovesThePartialFileAndEndsTheRun) {
  OpenTwoItems();
  RecordEvents();
  CancelFileAt = ppProcess;
  EXPECT_NO_THROW(Extract());
  const std::vector<std::string> expected = {
      "overall start 0.0", "confirm a.txt", "file a.txt start 0.0", "extract a.txt",
      "file a.txt process 0.0", "file a.txt end 100.0", "overall end 100.0"};
  EXPECT_EQ(Events, expected);
  EXPECT_TRUE(std::filesystem::is_empty(Base)) << "partial output or temporary file left";
  EXPECT_TRUE(Archiver.CancelRequested);
  EXPECT_EQ(Archiver.DoneFileCount, 0);
}

TEST_F(ExtractDriver, CancelAtTheOverallStartTouchesNothing) {
  OpenTwoItems();
  RecordEvents();
  CancelOverallAt = ppStart;
  Extract();
  EXPECT_EQ(Events, (std::vector<std::string>{"overall start 0.0"}));
  EXPECT_FALSE(DirectoryExists(Base));
}

TEST_F(ExtractDriver, CancelAtAnItemStartSurvivesTheHandlerlessEndEvent) {
  OpenTwoItems();
  Archiver.OnFileProgress = [](TObject*, const std::string&, double, TXAProcessOperation,
                               TXAProgressPhase Phase, bool& Cancel) { Cancel = Cancel || Phase == ppStart; };
  Extract();
  EXPECT_TRUE(Archiver.CancelRequested);
  EXPECT_FALSE(FileExists(Out("a.txt")));
  EXPECT_FALSE(FileExists(Out("b.txt")));
}

struct FailureAnswer {
  TModalResult Answer;
  bool FirstWritten;   // the blocked item, unblocked before a retry
  bool SecondWritten;
};

class ExtractFailureQuestion : public ExtractDriver, public ::testing::WithParamInterface<FailureAnswer> {};

TEST_P(ExtractFailureQuestion, AnswerDecidesTheRun) {
  OpenTwoItems();
  RecordEvents();
  const std::string blocked = Out("a.txt");
  std::filesystem::create_directories(blocked);  // a folder where the file should go
  Dialogs.Answers = {GetParam().Answer};
  Dialogs.BeforeAnswer = [&] { std::filesystem::remove(blocked); };
  EXPECT_NO_THROW(Extract());

  ASSERT_EQ(Dialogs.Texts.size(), 1u);
  EXPECT_EQ(Dialogs.Texts[0], "Xanarc1: Cannot create file \"" + blocked +
                                  "\" - Native error: 00019. File processing error, possibly disk is full");
  EXPECT_EQ(Dialogs.Asked[0], (TMsgDlgButtons{mbAbort, mbRetry, mbIgnore}));
  EXPECT_EQ(FileExists(Out("a.txt")), GetParam().FirstWritten);
  EXPECT_EQ(FileExists(Out("b.txt")), GetParam().SecondWritten);
  EXPECT_EQ(Events.back(), "overall end 100.0");
  const bool retried = std::count(Events.begin(), Events.end(), "confirm a.txt") == 2;
  EXPECT_EQ(retried, GetParam().Answer == mrRetry);
}

INSTANTIATE_TEST_SUITE_P(Answers, ExtractFailureQuestion,
                         ::testing::Values(FailureAnswer{mrRetry, true, true}, FailureAnswer{mrIgnore, false, true},
                                           FailureAnswer{mrAbort, false, false},
                                           FailureAnswer{mrNone, false, false}));

TEST_F(ExtractDriver, FailureHandlerGetsTheErrorAndTheItemName) {
  test::ZipBuilder zip;
  test::ZipEntry& bad = zip.Add("d/bad.txt", "corrupted");
  bad.OverrideSizes = true;
  bad.CentralCrc = 0x12345678;
  bad.CentralPacked = uint32_t(test::ZipBuilder::PackedOf(bad).size());
  bad.CentralUnpacked = 9;
  zip.Add("good.txt", "fine");
  Open(zip);
  RecordFailures(fxaIgnore);
  Extract();
  EXPECT_EQ(Events, (std::vector<std::string>{"failure " + N("d/bad.txt") + " 8"}));
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Xanarc1: Invalid size or check sum of file or unsupported compression format"
                         " - Native error: 00008");
  EXPECT_FALSE(FileExists(Out("d/bad.txt")));
  EXPECT_EQ(Read(Out("good.txt")), "fine");
  EXPECT_EQ(Archiver.DoneFileCount, 1);
}

TEST_F(ExtractDriver, MisuseBeforeARunIsRaised) {
  struct Case { bool OpenFirst; int32_t BatchDepth; int32_t Error; };
  for (const Case c : {Case{false, 0, 13}, Case{true, 1, 26}}) {
    SCOPED_TRACE(c.Error);
    Archiver.CloseArchive();
    if (c.OpenFirst) OpenTwoItems();
    Archiver.BatchDepth = c.BatchDepth;
    try {
      Extract();
      ADD_FAILURE() << "no error";
    } catch (const EXAException& e) {
      EXPECT_EQ(e.NativeError, c.Error);
    }
    Archiver.BatchDepth = 0;
    EXPECT_FALSE(DirectoryExists(Base));
  }
}

TEST_F(ExtractDriver, ForeignExceptionEndsTheRunAndReleasesTheLock) {
  OpenTwoItems();
  RecordEvents();
  Archiver.OnExtractFile = [](TObject*, std::string&, uint32_t&, const std::string&) {
    throw std::runtime_error("handler failed");
  };
  EXPECT_THROW(Extract(), std::runtime_error);
  EXPECT_EQ(Events.back(), "file a.txt start 0.0");
  bool lockedElsewhere = false;
  std::thread([&] {
    lockedElsewhere = ProcessLock().try_lock();
    if (lockedElsewhere) ProcessLock().unlock();
  }).join();
  EXPECT_TRUE(lockedElsewhere);
}

}  // namespace
