#include "platform/FormatSettings.h"

#include <cctype>

namespace {

// The d/M/y picture of one strftime conversion; empty for those without a date part.
std::string PictureOf(char Conversion) {
  switch (Conversion) {
  case 'd': return "dd";
  case 'e': return "d";
  case 'm': return "MM";
  case 'y': return "yy";
  case 'Y': return "yyyy";
  case 'b': case 'h': return "MMM";
  case 'B': return "MMMM";
  case 'a': return "ddd";
  case 'A': return "dddd";
  case 'D': return "MM/dd/yy";
  case 'F': return "yyyy-MM-dd";
  case '%': return "%";
  default: return "";
  }
}

}  // namespace

TFormatSettings FormatSettingsFromStrftime(const std::string& Picture) {
  TFormatSettings Result{"", '\0'};
  for (size_t I = 0; I < Picture.size(); ++I) {
    char C = Picture[I];
    if (C != '%') {
      Result.ShortDateFormat += C;
      if (Result.DateSeparator == '\0' && !std::isalnum(static_cast<unsigned char>(C)) && C != ' ')
        Result.DateSeparator = C;
      continue;
    }
    // Alternative forms (%Ey, %Od) read as their plain conversion.
    if (I + 1 < Picture.size() && (Picture[I + 1] == 'E' || Picture[I + 1] == 'O'))
      ++I;
    if (I + 1 < Picture.size())
      Result.ShortDateFormat += PictureOf(Picture[++I]);
  }
  if (Result.DateSeparator == '\0') {
    size_t Found = Result.ShortDateFormat.find_first_of("/-.");
    Result.DateSeparator = Found == std::string::npos ? '/' : Result.ShortDateFormat[Found];
  }
  if (Result.ShortDateFormat.empty())
    Result.ShortDateFormat = "MM/dd/yy";
  return Result;
}
