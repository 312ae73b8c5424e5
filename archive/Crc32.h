#pragma once
#include <cstddef>
#include <cstdint>

// The ZIP CRC-32 (reflected 0xEDB88320). The update neither seeds nor inverts: callers seed
// 0xFFFFFFFF and compare the inverted result. No bytes returns Crc unchanged.
uint32_t Crc32Update(uint32_t Crc, const void* Data, size_t Count);
// The standard byte-wise table (also used by the traditional encryption's key update).
const uint32_t* Crc32Table();
