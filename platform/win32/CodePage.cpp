#include "platform/CodePage.h"

#include <windows.h>

// winuser.h maps OemToAnsi to OemToCharA; the portable name must stay ours.
#undef OemToAnsi

std::string OemToAnsi(const std::string& Text) {
  if (Text.empty())
    return Text;
  std::string Result(Text.size(), '\0');
  OemToCharBuffA(Text.data(), Result.data(), static_cast<DWORD>(Text.size()));
  return Result;
}

std::string Utf8ToAnsi(const std::string& Text) {
  if (Text.empty())
    return Text;
  int Wide = MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring Buffer(static_cast<size_t>(Wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Buffer.data(), Wide);
  int Narrow = WideCharToMultiByte(CP_ACP, 0, Buffer.data(), Wide, nullptr, 0, nullptr, nullptr);
  std::string Result(static_cast<size_t>(Narrow), '\0');
  WideCharToMultiByte(CP_ACP, 0, Buffer.data(), Wide, Result.data(), Narrow, nullptr, nullptr);
  return Result;
}
