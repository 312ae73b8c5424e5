#include "platform/posix/SystemError.h"

#include <cstring>

std::string SystemErrorMessage(int Error) {
  char Buffer[256];
  // GNU strerror_r: may return a static text instead of filling the buffer.
  return strerror_r(Error, Buffer, sizeof Buffer);
}
