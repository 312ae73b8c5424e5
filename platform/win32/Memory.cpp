#include "platform/Memory.h"

#include <windows.h>

uint64_t AvailablePhysicalMemory() {
  MEMORYSTATUSEX Status{};
  Status.dwLength = sizeof Status;
  return GlobalMemoryStatusEx(&Status) ? Status.ullAvailPhys : 0;
}
