#pragma once
#include <cstdint>
#include <ctime>

#include "platform/DateTime.h"

// DOS date and time words read as local time; false for fields no calendar holds.
bool LocalDosDateTimeToUnix(int32_t DosDateTime, time_t& Result);
// Local DOS date and time of a moment; -1 outside the years 1980 to 2107.
int32_t UnixToLocalDosDateTime(time_t Time);
// Local date-time of a moment, with its milliseconds.
TDateTime UnixToLocalDateTime(const timespec& Time);
