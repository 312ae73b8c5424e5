#include "platform/Sleep.h"

#include <windows.h>

void SleepMs(unsigned Milliseconds) {
  Sleep(Milliseconds);
}
