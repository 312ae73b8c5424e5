#pragma once
#include <cstdint>

// Little-endian field access for the archive's on-disk records.
inline uint16_t Get16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t Get32(const uint8_t* p) { return uint32_t(Get16(p)) | (uint32_t(Get16(p + 2)) << 16); }
inline uint64_t Get64(const uint8_t* p) { return uint64_t(Get32(p)) | (uint64_t(Get32(p + 4)) << 32); }

inline void Set16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}
inline void Set32(uint8_t* p, uint32_t v) {
  Set16(p, uint16_t(v));
  Set16(p + 2, uint16_t(v >> 16));
}
