#pragma once
#include <cstdint>

// Date-time values: days since 30 December 1899, the fraction being the time of day.
using TDateTime = double;

TDateTime Now();  // current local date and time
TDateTime Date(); // today, whole day
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Result);  // years 1 to 9999
void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day);
TDateTime EncodeTime(int Hour, int Minute, int Second, int MilliSecond);
bool IsLeapYear(int Year);
int CurrentYear();
// DOS date (high 16 bits) and time (low 16 bits) to a date-time and back.
TDateTime DosDateTimeToDateTime(int32_t DosDateTime);
int32_t DateTimeToDosDateTime(TDateTime Value);
