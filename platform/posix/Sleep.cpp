#include "platform/Sleep.h"

#include <cerrno>
#include <ctime>

void SleepMs(unsigned Milliseconds) {
  timespec Left{static_cast<time_t>(Milliseconds / 1000), static_cast<long>(Milliseconds % 1000) * 1000000};
  while (nanosleep(&Left, &Left) == -1 && errno == EINTR) {
  }
}
