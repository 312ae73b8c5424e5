#include "platform/win32/LocalDosTime.h"

namespace {

// Uses the summer-time rule of the date itself, not of today.
bool ToLocalSystemTime(const FILETIME& Time, SYSTEMTIME& Local) {
  SYSTEMTIME Utc;
  return FileTimeToSystemTime(&Time, &Utc) && SystemTimeToTzSpecificLocalTime(nullptr, &Utc, &Local);
}

}  // namespace

bool LocalDosDateTimeToFileTime(int32_t DosDateTime, FILETIME& Result) {
  uint32_t Packed = static_cast<uint32_t>(DosDateTime);
  FILETIME LocalFileTime;
  SYSTEMTIME Local, Utc;
  return DosDateTimeToFileTime(static_cast<WORD>(Packed >> 16), static_cast<WORD>(Packed & 0xFFFF), &LocalFileTime) &&
         FileTimeToSystemTime(&LocalFileTime, &Local) && TzSpecificLocalTimeToSystemTime(nullptr, &Local, &Utc) &&
         SystemTimeToFileTime(&Utc, &Result);
}

int32_t FileTimeToLocalDosDateTime(const FILETIME& Time) {
  SYSTEMTIME Local;
  FILETIME LocalFileTime;
  WORD DatePart, TimePart;
  if (!ToLocalSystemTime(Time, Local) || !SystemTimeToFileTime(&Local, &LocalFileTime) ||
      !FileTimeToDosDateTime(&LocalFileTime, &DatePart, &TimePart))
    return -1;
  return static_cast<int32_t>(static_cast<uint32_t>(DatePart) << 16 | TimePart);
}

TDateTime FileTimeToLocalDateTime(const FILETIME& Time) {
  SYSTEMTIME Local;
  TDateTime Day = 0;
  if (!ToLocalSystemTime(Time, Local) || !TryEncodeDate(Local.wYear, Local.wMonth, Local.wDay, Day))
    return 0;
  return Day + EncodeTime(Local.wHour, Local.wMinute, Local.wSecond, Local.wMilliseconds);
}
