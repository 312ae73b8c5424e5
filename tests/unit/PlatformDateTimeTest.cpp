#include <gtest/gtest.h>

#include "platform/DateTime.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace {

struct DateCase {
  int Year, Month, Day;
  double Value;
  friend void PrintTo(const DateCase& C, std::ostream* Out) { *Out << C.Year << "-" << C.Month << "-" << C.Day; }
};

class PlatformDates : public testing::TestWithParam<DateCase> {};

TEST_P(PlatformDates, EncodeAndDecodeAgree) {
  const DateCase& Case = GetParam();
  TDateTime Value = -1;
  ASSERT_TRUE(TryEncodeDate(Case.Year, Case.Month, Case.Day, Value));
  EXPECT_EQ(Value, Case.Value);
  int Y, M, D;
  // Before day 0 the time of day counts away from zero.
  DecodeDate(Value >= 0 ? Value + 0.75 : Value - 0.75, Y, M, D);
  EXPECT_EQ(Y, Case.Year);
  EXPECT_EQ(M, Case.Month);
  EXPECT_EQ(D, Case.Day);
}

INSTANTIATE_TEST_SUITE_P(Days, PlatformDates, testing::Values(
    DateCase{1899, 12, 30, 0}, DateCase{1900, 1, 1, 2}, DateCase{1900, 3, 1, 61},
    DateCase{2000, 2, 29, 36585}, DateCase{2025, 4, 14, 45761}, DateCase{1, 1, 1, -693593},
    DateCase{9999, 12, 31, 2958465}));

TEST(PlatformDateTime, InvalidDatesAreRefused) {
  struct { int Y, M, D; } Invalid[] = {{2001, 2, 29}, {1900, 2, 29}, {2000, 4, 31}, {2000, 13, 1},
                                      {2000, 0, 1}, {2000, 1, 0}, {0, 1, 1}, {10000, 1, 1}};
  for (auto [Y, M, D] : Invalid) {
    TDateTime Value = 123;
    EXPECT_FALSE(TryEncodeDate(Y, M, D, Value)) << Y << "-" << M << "-" << D;
    EXPECT_EQ(Value, 123);
  }
}

TEST(PlatformDateTime, EveryDayOfFourCenturiesRoundTrips) {
  TDateTime First, Last;
  ASSERT_TRUE(TryEncodeDate(1700, 1, 1, First));
  ASSERT_TRUE(TryEncodeDate(2100, 12, 31, Last));
  int PrevY = 1699, PrevM = 12, PrevD = 31;
  for (TDateTime Day = First; Day <= Last; ++Day) {
    int Y, M, D;
    DecodeDate(Day, Y, M, D);
    bool NextDay = (Y == PrevY && M == PrevM && D == PrevD + 1) ||
                   (Y == PrevY && M == PrevM + 1 && D == 1) || (Y == PrevY + 1 && M == 1 && D == 1);
    ASSERT_TRUE(NextDay) << Y << "-" << M << "-" << D << " after " << PrevY << "-" << PrevM << "-" << PrevD;
    TDateTime Again;
    ASSERT_TRUE(TryEncodeDate(Y, M, D, Again));
    ASSERT_EQ(Again, Day);
    PrevY = Y, PrevM = M, PrevD = D;
  }
}

TEST(PlatformDateTime, OutOfRangeDecodesToZeros) {
  int Y = 1, M = 1, D = 1;
  DecodeDate(-693594, Y, M, D);
  EXPECT_EQ(Y + M + D, 0);
}

TEST(PlatformDateTime, LeapYears) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
}

TEST(PlatformDateTime, EncodeTimeIsTheFractionOfADay) {
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(EncodeTime(6, 30, 15, 500), (6 * 3600 + 30 * 60 + 15.5) / 86400);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), Exception);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), Exception);
}

TEST(PlatformDateTime, DosDateTimeConvertsBothWays) {
  const int32_t Dos = static_cast<int32_t>(0x5A8E6C9Du);  // 14 April 2025 13:36:58
  TDateTime Expected = 45761 + EncodeTime(13, 36, 58, 0);
  EXPECT_DOUBLE_EQ(DosDateTimeToDateTime(Dos), Expected);
  EXPECT_EQ(DateTimeToDosDateTime(Expected), Dos);
  EXPECT_EQ(DateTimeToDosDateTime(Expected + 1.0 / 86400), Dos) << "odd seconds round down";
  EXPECT_EQ(DateTimeToDosDateTime(0), 0) << "1899 has no DOS form";
  EXPECT_THROW(DosDateTimeToDateTime(0), Exception);  // month 0, day 0
  EXPECT_THROW(DosDateTimeToDateTime(static_cast<int32_t>(0x5A8EC000u)), Exception);  // hour 24
}

TEST(PlatformDateTime, NowIsTheLocalClockOfTheFileSystem) {
  test::TempDir Dir;
  TDateTime Written = 0;
  ASSERT_TRUE(FileAgeDateTime(Dir.Write("now.txt", "x"), Written));
  EXPECT_NEAR(Now(), Written, 60.0 / 86400);
  EXPECT_EQ(Date(), static_cast<double>(static_cast<int64_t>(Now())));
  int Year, Month, Day;
  DecodeDate(Written, Year, Month, Day);
  EXPECT_EQ(CurrentYear(), Year);
}

}  // namespace
