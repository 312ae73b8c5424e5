#include "platform/FormatSettings.h"

#include <windows.h>

namespace {

std::string LocaleText(LCTYPE Type, const char* Default) {
  char Buffer[128];
  int Length = GetLocaleInfoA(LOCALE_USER_DEFAULT, Type, Buffer, sizeof Buffer);
  return Length > 1 ? std::string(Buffer, static_cast<size_t>(Length - 1)) : Default;
}

TFormatSettings LoadFromLocale() {
  return {LocaleText(LOCALE_SSHORTDATE, "M/d/yy"), LocaleText(LOCALE_SDATE, "/")[0]};
}

}  // namespace

TFormatSettings& FormatSettings() {
  static TFormatSettings Settings = LoadFromLocale();
  return Settings;
}
