#include "platform/posix/LocalDosTime.h"

bool LocalDosDateTimeToUnix(int32_t DosDateTime, time_t& Result) {
  uint32_t Packed = static_cast<uint32_t>(DosDateTime);
  uint32_t DatePart = Packed >> 16, TimePart = Packed & 0xFFFF;
  int Year = static_cast<int>(DatePart >> 9) + 1980, Month = (DatePart >> 5) & 15, Day = DatePart & 31;
  int Hour = TimePart >> 11, Minute = (TimePart >> 5) & 63, Second = (TimePart & 31) * 2;
  TDateTime Checked;
  if (!TryEncodeDate(Year, Month, Day, Checked) || Hour > 23 || Minute > 59 || Second > 59)
    return false;
  tm Local{};
  Local.tm_year = Year - 1900;
  Local.tm_mon = Month - 1;
  Local.tm_mday = Day;
  Local.tm_hour = Hour;
  Local.tm_min = Minute;
  Local.tm_sec = Second;
  Local.tm_isdst = -1;  // the zone's rule for that date decides summer time
  Result = mktime(&Local);
  return Result != static_cast<time_t>(-1);
}

int32_t UnixToLocalDosDateTime(time_t Time) {
  tm Local{};
  if (!localtime_r(&Time, &Local))
    return -1;
  int Year = Local.tm_year + 1900;
  if (Year < 1980 || Year > 2107)
    return -1;
  uint32_t DatePart = (Year - 1980) << 9 | (Local.tm_mon + 1) << 5 | Local.tm_mday;
  uint32_t TimePart = Local.tm_hour << 11 | Local.tm_min << 5 | Local.tm_sec / 2;
  return static_cast<int32_t>(DatePart << 16 | TimePart);
}

TDateTime UnixToLocalDateTime(const timespec& Time) {
  tm Local{};
  localtime_r(&Time.tv_sec, &Local);
  TDateTime Day = 0;
  TryEncodeDate(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday, Day);
  int MilliSecond = static_cast<int>(Time.tv_nsec / 1000000);
  return Day + EncodeTime(Local.tm_hour, Local.tm_min, Local.tm_sec > 59 ? 59 : Local.tm_sec, MilliSecond);
}
