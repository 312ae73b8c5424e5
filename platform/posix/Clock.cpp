#include <ctime>

#include "platform/DateTime.h"
#include "platform/posix/LocalDosTime.h"

TDateTime Now() {
  timespec Time{};
  clock_gettime(CLOCK_REALTIME, &Time);
  return UnixToLocalDateTime(Time);
}
