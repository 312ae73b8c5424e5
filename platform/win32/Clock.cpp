#include <windows.h>

#include "platform/DateTime.h"

TDateTime Now() {
  SYSTEMTIME Local;
  GetLocalTime(&Local);
  TDateTime Day = 0;
  TryEncodeDate(Local.wYear, Local.wMonth, Local.wDay, Day);
  return Day + EncodeTime(Local.wHour, Local.wMinute, Local.wSecond, Local.wMilliseconds);
}
