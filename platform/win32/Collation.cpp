#include "platform/Collation.h"

#include <windows.h>

uint32_t UserDefaultLocaleId() { return GetUserDefaultLCID(); }

bool CollatesBefore(char A, char B) {
  return CompareStringA(GetUserDefaultLCID(), 0, &A, 1, &B, 1) == CSTR_LESS_THAN;
}

bool CollatesEqualIgnoreCase(char A, char B) {
  return CompareStringA(GetUserDefaultLCID(), NORM_IGNORECASE, &A, 1, &B, 1) == CSTR_EQUAL;
}

char AnsiUpperChar(char C) {
  CharUpperBuffA(&C, 1);
  return C;
}

std::string AnsiLowerCase(const std::string& Text) {
  std::string lower = Text;
  if (!lower.empty()) CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  return lower;
}
