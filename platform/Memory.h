#pragma once
#include <cstdint>

// Available physical memory in bytes (POSIX: MemAvailable of /proc/meminfo).
uint64_t AvailablePhysicalMemory();
