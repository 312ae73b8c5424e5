#include "platform/Memory.h"

#include <fstream>
#include <string>

uint64_t AvailablePhysicalMemory() {
  std::ifstream MemInfo("/proc/meminfo");
  std::string Key;
  uint64_t KiB = 0;
  while (MemInfo >> Key >> KiB) {
    if (Key == "MemAvailable:")
      return KiB * 1024;
    MemInfo.ignore(256, '\n');
  }
  return 0;
}
