#include "platform/win32/SystemError.h"

std::string SystemErrorMessage(DWORD Error) {
  char Buffer[512];
  DWORD Length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                    FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                nullptr, Error, 0, Buffer, sizeof Buffer, nullptr);
  while (Length > 0 && (static_cast<unsigned char>(Buffer[Length - 1]) <= ' ' || Buffer[Length - 1] == '.'))
    --Length;
  return std::string(Buffer, Length);
}
