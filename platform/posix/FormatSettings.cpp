#include "platform/FormatSettings.h"

#include <langinfo.h>
#include <locale.h>

namespace {

// The user's LC_TIME locale is looked up on its own, leaving the process's locale untouched.
TFormatSettings LoadFromLocale() {
  locale_t Locale = newlocale(LC_TIME_MASK, "", nullptr);
  if (Locale == nullptr)
    return FormatSettingsFromStrftime("%m/%d/%y");  // the C locale's picture
  TFormatSettings Result = FormatSettingsFromStrftime(nl_langinfo_l(D_FMT, Locale));
  freelocale(Locale);
  return Result;
}

}  // namespace

TFormatSettings& FormatSettings() {
  static TFormatSettings Settings = LoadFromLocale();
  return Settings;
}
