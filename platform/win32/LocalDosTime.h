#pragma once
#include <cstdint>

#include <windows.h>

#include "platform/DateTime.h"

// DOS date and time read as local time, by the zone's rule for that date; false when invalid.
bool LocalDosDateTimeToFileTime(int32_t DosDateTime, FILETIME& Result);
// Local DOS date and time of a file time; -1 outside the years 1980 to 2107.
int32_t FileTimeToLocalDosDateTime(const FILETIME& Time);
// Local date-time of a file time.
TDateTime FileTimeToLocalDateTime(const FILETIME& Time);
