#include "platform/DateTime.h"

#include <cmath>

#include "platform/Exception.h"

namespace {

// Days from 1 January of year 1 to 30 December 1899.
constexpr int DateDelta = 693594;
constexpr double MSecsPerDay = 86400000.0;

int DaysInMonth(int Year, int Month) {
  static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

bool TryEncodeTime(int Hour, int Minute, int Second, int MilliSecond, TDateTime& Result) {
  if (Hour < 0 || Hour >= 24 || Minute < 0 || Minute >= 60 || Second < 0 || Second >= 60 ||
      MilliSecond < 0 || MilliSecond >= 1000)
    return false;
  Result = (((Hour * 60 + Minute) * 60 + Second) * 1000 + MilliSecond) / MSecsPerDay;
  return true;
}

}  // namespace

bool IsLeapYear(int Year) {
  return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Result) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
    return false;
  for (int M = 1; M < Month; ++M)
    Day += DaysInMonth(Year, M);
  int Y = Year - 1;
  Result = Y * 365 + Y / 4 - Y / 100 + Y / 400 + Day - DateDelta;
  return true;
}

void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day) {
  Year = Month = Day = 0;
  double Days = std::trunc(Value) + DateDelta;
  if (!(Days > 0 && Days <= 3652059))  // outside 1 January 1 .. 31 December 9999
    return;
  int D = static_cast<int>(Days) - 1;  // days since 1 January of year 1
  int Y = 1;
  Y += (D / 146097) * 400; D %= 146097;
  int Centuries = D / 36524; if (Centuries == 4) Centuries = 3;
  Y += Centuries * 100; D -= Centuries * 36524;
  Y += (D / 1461) * 4; D %= 1461;
  int Years = D / 365; if (Years == 4) Years = 3;
  Y += Years; D -= Years * 365;
  int M = 1;
  while (D >= DaysInMonth(Y, M))
    D -= DaysInMonth(Y, M++);
  Year = Y;
  Month = M;
  Day = D + 1;
}

TDateTime EncodeTime(int Hour, int Minute, int Second, int MilliSecond) {
  TDateTime Result;
  if (!TryEncodeTime(Hour, Minute, Second, MilliSecond, Result))
    throw Exception("Invalid argument to time encode");
  return Result;
}

int CurrentYear() {
  int Year, Month, Day;
  DecodeDate(Now(), Year, Month, Day);
  return Year;
}

TDateTime Date() {
  return std::trunc(Now());
}

TDateTime DosDateTimeToDateTime(int32_t DosDateTime) {
  uint32_t Packed = static_cast<uint32_t>(DosDateTime);
  uint32_t DatePart = Packed >> 16, TimePart = Packed & 0xFFFF;
  TDateTime Day, Time;
  if (!TryEncodeDate(static_cast<int>(DatePart >> 9) + 1980, (DatePart >> 5) & 15, DatePart & 31, Day) ||
      !TryEncodeTime(TimePart >> 11, (TimePart >> 5) & 63, (TimePart & 31) * 2, 0, Time))
    throw Exception("Invalid argument to date encode");
  return Day + Time;
}

int32_t DateTimeToDosDateTime(TDateTime Value) {
  int Year, Month, Day;
  DecodeDate(Value, Year, Month, Day);
  if (Year < 1980 || Year > 2107)
    return 0;  // no DOS form
  auto MSecs = static_cast<int64_t>(std::llround(std::fabs(Value - std::trunc(Value)) * MSecsPerDay));
  int Seconds = static_cast<int>(MSecs / 1000 % 86400);
  uint32_t DatePart = (Year - 1980) << 9 | Month << 5 | Day;
  uint32_t TimePart = (Seconds / 3600) << 11 | (Seconds / 60 % 60) << 5 | (Seconds % 60) / 2;
  return static_cast<int32_t>(DatePart << 16 | TimePart);
}
