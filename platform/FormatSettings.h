#pragma once
#include <string>

// The locale's short date format (picture of d, M and y) and date separator. Loaded once from
// the user's locale (Windows: LOCALE_SSHORTDATE; POSIX: nl_langinfo(D_FMT) of LC_TIME) and
// settable, so tests can fix them.
struct TFormatSettings {
  std::string ShortDateFormat;
  char DateSeparator;
};

TFormatSettings& FormatSettings();
// Translates a strftime date picture ("%d/%m/%Y") into the d/M/y form ("dd/MM/yyyy").
TFormatSettings FormatSettingsFromStrftime(const std::string& Picture);
