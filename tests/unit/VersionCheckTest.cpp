#include <gtest/gtest.h>

#include <filesystem>

#include "HttpTestServer.h"
#include "app/Unit1.h"
#include "platform/DateText.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace {

using test::THttpTestServer;

const std::string FetchFailed = "Aucune nouvelle version de velanto\rn'est disponible sur internet.";
const std::string NoAnswer = "Pas de réponse, essayez de nouveau dans un moment";
const std::string TargetMissing = "La mise à jour, ne trouve pas le fichier d'origine\rvelanto.exe sur votre ordinateur.";

TDateTime Day(int Year, int Month, int Day) {
  TDateTime value = 0;
  EXPECT_TRUE(TryEncodeDate(Year, Month, Day, value));
  return value;
}

std::vector<std::string> LinesOf(const TMemo& Memo) {
  std::vector<std::string> lines;
  for (int i = 0; i < Memo.Lines().Count(); ++i)
    lines.push_back(Memo.Lines()[i]);
  return lines;
}

// A window whose updater lies in a fresh folder, with the day-month-year format.
class VersionCheckWindow : public testing::Test {
protected:
  VersionCheckWindow() : SavedSettings(FormatSettings()), Form(nullptr, Folder.Path("maj")) {
    FormatSettings() = {"dd/MM/yyyy", '/'};
  }
  ~VersionCheckWindow() override { FormatSettings() = SavedSettings; }

  void CheckPage(const std::string& Path) {
    Form.Settings.VersionPageUrl = THttpTestServer::Url(Path);
    Form.Button5Click(&Form);
  }
  // The target, last written on the given local day at 23:59:58.
  void WriteTarget(int Year, int Month, int Day) {
    const std::string path = Folder.Write("velanto.exe", "MZ");
    const int32_t dos = ((Year - 1980) << 25) | (Month << 21) | (Day << 16) | (23 << 11) | (59 << 5) | 29;
    ASSERT_TRUE(FileSetDate(path, dos));
  }

  TFormatSettings SavedSettings;
  test::TempDir Folder;
  TForm1 Form;
};

struct TLinesCase {
  const char* Name;
  std::string Bytes;
  std::vector<std::string> Lines;
};

class VersionCheckLines : public VersionCheckWindow, public testing::WithParamInterface<TLinesCase> {};

TEST_P(VersionCheckLines, SplitsTheStreamIntoTheMemo) {
  TMemoryStream stream;
  stream.WriteBuffer(GetParam().Bytes.data(), static_cast<int64_t>(GetParam().Bytes.size()));
  Form.LoadMemoFromMemoryStream(Form.Memo1, &stream);
  EXPECT_EQ(LinesOf(*Form.Memo1), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(Breaks, VersionCheckLines, testing::Values(
    TLinesCase{"Empty", "", {"0"}},
    TLinesCase{"NoBreak", "19/06/2024", {"19/06/2024"}},
    TLinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
    TLinesCase{"Lf", "a\nb\n", {"a", "b"}},
    TLinesCase{"LoneCr", "a\rb\r", {"a", "b"}},
    TLinesCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
    TLinesCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
    TLinesCase{"DoubleLf", "a\n\n", {"a", ""}},
    TLinesCase{"OnlyABreak", "\r\n", {""}},
    TLinesCase{"LeadingBreak", "\nabc", {"", "abc"}},
    TLinesCase{"TrailingCr", "abc\r", {"abc"}},
    TLinesCase{"BytesKept", std::string("\0x\xff\t ", 5) + "\r\n", {std::string("\0x\xff\t ", 5)}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(VersionCheckWindow, MissingTargetLeavesTheLocalDate) {
  Form.LocalFileDate = 42;
  Form.Button2Click(&Form);
  EXPECT_EQ(Form.Label1->Caption(), TargetMissing);
  EXPECT_EQ(Form.LocalFileDate, 42);
  EXPECT_EQ(Form.Label3->Caption(), "Label3");

  std::filesystem::create_directory(Folder.Path("velanto.exe"));
  Form.Button2Click(&Form);
  EXPECT_EQ(Form.LocalFileDate, 42);
}

TEST_F(VersionCheckWindow, LocalDatePassesThroughItsText) {
  WriteTarget(2024, 6, 19);
  Form.Button2Click(&Form);
  EXPECT_EQ(Form.Label3->Caption(), "19/06/2024");
  EXPECT_EQ(Form.LocalFileDate, Day(2024, 6, 19));
}

TEST_F(VersionCheckWindow, UnreadableLocalDateLeavesTheHandler) {
  WriteTarget(2024, 6, 19);
  FormatSettings() = {"dd MMMM yyyy", '/'};
  try {
    Form.Button2Click(&Form);
    FAIL() << "read " << Form.Label3->Caption();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'" + Form.Label3->Caption() + "' n'est pas une date correcte");
  }
  EXPECT_EQ(Form.Label3->Caption().substr(0, 3), "19 ");
  EXPECT_EQ(Form.LocalFileDate, 0);
}

struct TPageCase {
  const char* Name;
  const char* Path;
  TDateTime Release;  // 0: none read
  enum { Kept, NoAnswerText, FetchFailedText } Status;
};

class HttpVersionCheck : public VersionCheckWindow, public testing::WithParamInterface<TPageCase> {};

TEST_P(HttpVersionCheck, ReadsTheReleaseDateOrSaysWhy) {
  REQUIRE_HTTP_TEST_SERVER();
  const TPageCase& c = GetParam();
  Form.Label1->SetCaption("avant");
  CheckPage(c.Path);
  EXPECT_EQ(Form.RemoteReleaseDate, c.Release);
  switch (c.Status) {
  case TPageCase::Kept:
    EXPECT_EQ(Form.Label1->Caption(), "avant");
    EXPECT_GT(Form.Memo1->Lines().Count(), 0);
    break;
  case TPageCase::NoAnswerText:
    EXPECT_EQ(Form.Label1->Caption(), NoAnswer);
    EXPECT_EQ(Form.Memo1->Lines().Count(), 0);
    break;
  case TPageCase::FetchFailedText:
    EXPECT_EQ(Form.Label1->Caption(), FetchFailed);
    EXPECT_EQ(LinesOf(*Form.Memo1), std::vector<std::string>{"Memo1"});
    break;
  }
}

const TDateTime June19 = [] {
  TDateTime value = 0;
  TryEncodeDate(2024, 6, 19, value);
  return value;
}();

INSTANTIATE_TEST_SUITE_P(Pages, HttpVersionCheck, testing::Values(
    TPageCase{"CrLf", "/page/crlf", June19, TPageCase::Kept},
    TPageCase{"Lf", "/page/lf", June19, TPageCase::Kept},
    TPageCase{"LoneCr", "/page/cr", June19, TPageCase::Kept},
    TPageCase{"Chunked", "/chunked", June19, TPageCase::Kept},
    TPageCase{"ClosedEarly", "/short", June19, TPageCase::Kept},
    TPageCase{"TrailingSeparatorAndBlanks", "/page/date?19/06/2024/%20%20", June19, TPageCase::Kept},
    TPageCase{"Zero", "/page/zero", 0, TPageCase::NoAnswerText},
    TPageCase{"EmptyBody", "/page/empty", 0, TPageCase::NoAnswerText},
    TPageCase{"LeadingBreak", "/page/leadingbreak", 0, TPageCase::NoAnswerText},
    TPageCase{"NotFound", "/status/404", 0, TPageCase::FetchFailedText},
    TPageCase{"Redirect", "/redirect", 0, TPageCase::FetchFailedText},
    TPageCase{"Garbage", "/garbage", 0, TPageCase::FetchFailedText}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(VersionCheckWindow, HttpRefusedConnectionGivesTheFetchFailureText) {
  Form.Settings.VersionPageUrl = "http://127.0.0.1:" + std::to_string(test::ClosedPort()) + "/";
  Form.Button5Click(&Form);
  EXPECT_EQ(Form.Label1->Caption(), FetchFailed);
  EXPECT_EQ(Form.RemoteReleaseDate, 0);
}

TEST_F(VersionCheckWindow, HttpFailedCheckKeepsTheEarlierDate) {
  REQUIRE_HTTP_TEST_SERVER();
  CheckPage("/page/crlf");
  CheckPage("/status/404");
  EXPECT_EQ(Form.RemoteReleaseDate, June19);
  CheckPage("/page/zero");
  EXPECT_EQ(Form.RemoteReleaseDate, June19);
}

TEST_F(VersionCheckWindow, HttpHtmlPageLeavesTheHandlerWithTheReadersError) {
  REQUIRE_HTTP_TEST_SERVER();
  try {
    CheckPage("/page/html");
    FAIL() << "read a date";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'<html><head><title>Erreur</title></head></html>' n'est pas une date correcte");
  }
  EXPECT_EQ(Form.RemoteReleaseDate, 0);
}

TEST_F(VersionCheckWindow, HttpTrailingTimeIsRefused) {
  REQUIRE_HTTP_TEST_SERVER();
  EXPECT_THROW(CheckPage("/page/date?19/06/2024%2012:00"), EConvertError);
}

TEST_F(VersionCheckWindow, HttpNewerOnlyFromTheNextDay) {
  REQUIRE_HTTP_TEST_SERVER();
  WriteTarget(2024, 6, 19);
  Form.Button2Click(&Form);
  struct {
    const char* Page;
    bool Newer;
  } cases[] = {{"/page/date?18/06/2024", false}, {"/page/date?19/06/2024", false}, {"/page/date?20/06/2024", true}};
  for (const auto& c : cases) {
    CheckPage(c.Page);
    EXPECT_EQ(Form.RemoteReleaseDate > Form.LocalFileDate, c.Newer) << c.Page;
  }
}

TEST_F(VersionCheckWindow, HttpWindowIsPumpedWhileTheServerIsSilent) {
  REQUIRE_HTTP_TEST_SERVER();
  int pumps = 0;
  auto processMessages = Form.IdAntiFreeze1->OnPump;
  Form.IdAntiFreeze1->OnPump = [&] {
    ++pumps;
    processMessages();
  };
  CheckPage("/slow");
  EXPECT_EQ(Form.RemoteReleaseDate, June19);
  EXPECT_GE(pumps, 4);
}

}  // namespace
