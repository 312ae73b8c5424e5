#include <gtest/gtest.h>

#include "platform/DateText.h"

namespace {

const TFormatSettings French{"dd/MM/yyyy", '/'};
const TFormatSettings American{"M/d/yyyy", '/'};
const TFormatSettings Iso{"yyyy-MM-dd", '-'};
const TFormatSettings German{"dd.MM.yyyy", '.'};

TDateTime Day(int Year, int Month, int Day) {
  TDateTime value = 0;
  EXPECT_TRUE(TryEncodeDate(Year, Month, Day, value));
  return value;
}

struct TReadCase {
  const char* Text;
  const TFormatSettings* Settings;
  int Year, Month, Day;
};

class DateTextRead : public testing::TestWithParam<TReadCase> {};

TEST_P(DateTextRead, ReadsTheDate) {
  const TReadCase& c = GetParam();
  EXPECT_EQ(StrToDate(c.Text, *c.Settings, 2024), Day(c.Year, c.Month, c.Day)) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(Table, DateTextRead, testing::Values(
    TReadCase{"19/06/2024", &French, 2024, 6, 19},
    TReadCase{"6/19/2024", &American, 2024, 6, 19},
    TReadCase{"2024-06-19", &Iso, 2024, 6, 19},
    TReadCase{"19.06.2024", &German, 2024, 6, 19},
    TReadCase{"19/06/05", &French, 2005, 6, 19},     // inside the window that starts at 1974
    TReadCase{"19/06/80", &French, 1980, 6, 19},
    TReadCase{"19/06/74", &French, 1974, 6, 19},     // the window's first year
    TReadCase{"19/06/73", &French, 2073, 6, 19},
    TReadCase{"05-06-19", &Iso, 2005, 6, 19},        // two-digit year first
    TReadCase{"19/06/005", &French, 5, 6, 19},
    TReadCase{"19/06/0", &French, 2000, 6, 19},       // three digits are a year as written
    TReadCase{"19/06", &French, 2024, 6, 19},        // two numbers: day and month, this year
    TReadCase{"6/19", &American, 2024, 6, 19},
    TReadCase{"06-19", &Iso, 2024, 6, 19},           // month first outside day-month-year
    TReadCase{"19/06/2024/", &French, 2024, 6, 19},  // one trailing separator
    TReadCase{"19/06/2024  ", &French, 2024, 6, 19},
    TReadCase{"19/06/2024 / ", &French, 2024, 6, 19},
    TReadCase{" 19 / 06 / 2024", &French, 2024, 6, 19},
    TReadCase{"29/02/2024", &French, 2024, 2, 29},
    TReadCase{"01/01/0001", &French, 1, 1, 1},
    TReadCase{"31/12/9999", &French, 9999, 12, 31}));

class DateTextRefuse : public testing::TestWithParam<const char*> {};

TEST_P(DateTextRefuse, FailsWithTheReadersText) {
  const std::string text = GetParam();
  try {
    StrToDate(text, French, 2024);
    FAIL() << "read " << text;
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'" + text + "' n'est pas une date correcte");
  }
}

INSTANTIATE_TEST_SUITE_P(Table, DateTextRefuse, testing::Values(
    "", "0", "19", "19/", "/06/2024", "19/06/2024 12:00", "19/06/2024x", "19/06/2024//",
    "31/02/2024", "29/02/2023", "00/06/2024", "19/13/2024", "19-06-2024",
    "<html><head>", "19/06/12345", "19\t/06/2024", "19/06/10000"));

TEST(DateTextSettings, ReadsWithTheGlobalFormatSettings) {
  TFormatSettings saved = FormatSettings();
  FormatSettings() = Iso;
  EXPECT_EQ(StrToDate("2024-06-19"), Day(2024, 6, 19));
  EXPECT_THROW(StrToDate("19/06/2024"), EConvertError);
  FormatSettings() = saved;
}

struct TWriteCase {
  TFormatSettings Settings;
  const char* Expected;
};

class DateTextWrite : public testing::TestWithParam<TWriteCase> {};

TEST_P(DateTextWrite, WritesTheDatePartOnly) {
  const TWriteCase& c = GetParam();
  const TDateTime noonOfTheFifth = Day(2005, 6, 5) + 0.5;
  EXPECT_EQ(DateToStr(noonOfTheFifth, c.Settings), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DateTextWrite, testing::Values(
    TWriteCase{French, "05/06/2005"},
    TWriteCase{American, "6/5/2005"},
    TWriteCase{Iso, "2005-06-05"},
    TWriteCase{German, "05.06.2005"},
    TWriteCase{{"d/M/yy", '-'}, "5-6-05"},
    TWriteCase{{"'jour' d \"mois\" M yyyy", '/'}, "jour 5 mois 6 2005"}));

TEST(DateTextRoundTrip, ReadsBackWhatItWrote) {
  for (const TFormatSettings& settings : {French, American, Iso, German}) {
    const TDateTime date = Day(1999, 12, 31);
    EXPECT_EQ(StrToDate(DateToStr(date, settings), settings, 2024), date) << settings.ShortDateFormat;
  }
}

TEST(DateTextRoundTrip, MonthNamesCannotBeReadBack) {
  const TFormatSettings named{"dd MMM yyyy", '/'};
  const std::string text = DateToStr(Day(2005, 6, 5), named);
  EXPECT_NE(text.find("05 "), std::string::npos);
  EXPECT_THROW(StrToDate(text, named, 2024), EConvertError);
}

}  // namespace
