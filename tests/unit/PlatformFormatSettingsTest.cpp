#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "platform/FormatSettings.h"

namespace {

struct PictureCase {
  const char* Strftime;
  const char* ShortDateFormat;
  char DateSeparator;
  friend void PrintTo(const PictureCase& C, std::ostream* Out) { *Out << '"' << C.Strftime << '"'; }
};

class PlatformStrftimePicture : public testing::TestWithParam<PictureCase> {};

TEST_P(PlatformStrftimePicture, TranslatesToDayMonthYearLetters) {
  TFormatSettings Settings = FormatSettingsFromStrftime(GetParam().Strftime);
  EXPECT_EQ(Settings.ShortDateFormat, GetParam().ShortDateFormat);
  EXPECT_EQ(Settings.DateSeparator, GetParam().DateSeparator);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PlatformStrftimePicture, testing::Values(
    PictureCase{"%d/%m/%Y", "dd/MM/yyyy", '/'}, PictureCase{"%m/%d/%y", "MM/dd/yy", '/'},
    PictureCase{"%Y-%m-%d", "yyyy-MM-dd", '-'}, PictureCase{"%d.%m.%Y", "dd.MM.yyyy", '.'},
    PictureCase{"%e/%m/%Y", "d/MM/yyyy", '/'}, PictureCase{"%D", "MM/dd/yy", '/'},
    PictureCase{"%F", "yyyy-MM-dd", '-'}, PictureCase{"%Od.%Om.%EY", "dd.MM.yyyy", '.'},
    PictureCase{"%d %B %Y", "dd MMMM yyyy", '/'}, PictureCase{"", "MM/dd/yy", '/'}));

TEST(PlatformFormatSettings, TestsCanFixTheSettings) {
  TFormatSettings Saved = FormatSettings();
  FormatSettings() = {"yyyy-MM-dd", '-'};
  EXPECT_EQ(FormatSettings().ShortDateFormat, "yyyy-MM-dd");
  EXPECT_EQ(FormatSettings().DateSeparator, '-');
  FormatSettings() = Saved;
}

#ifndef _WIN32
// In a fresh process, so the settings are read from the locale for the first time.
TEST(PlatformFormatSettingsDeathTest, FrenchLocaleGivesDayMonthYearAndLeavesTheCLocale) {
  if (!std::setlocale(LC_TIME, "fr_FR.UTF-8"))
    GTEST_SKIP() << "fr_FR.UTF-8 is not installed";
  std::setlocale(LC_TIME, "C");
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("LC_ALL", "fr_FR.UTF-8", 1);
        const TFormatSettings& Settings = FormatSettings();
        bool Ok = Settings.ShortDateFormat == "dd/MM/yyyy" && Settings.DateSeparator == '/' &&
                  std::string(std::setlocale(LC_ALL, nullptr)) == "C";
        std::exit(Ok ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
