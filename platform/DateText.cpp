#include "platform/DateText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

enum TDateOrder { doMDY, doDMY, doYMD };

constexpr int TwoDigitYearCenturyWindow = 50;

// The first of d, m, y or e in the format decides; none means month first.
TDateOrder DateOrder(const std::string& Format) {
  for (char c : Format) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
    case 'E':
    case 'Y': return doYMD;
    case 'M': return doMDY;
    case 'D': return doDMY;
    }
  }
  return doMDY;
}

std::string Padded(int Value, int Digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", Digits, Value);
  return text;
}

// Day and month names of the C library's locale.
std::string NameOf(const char* Conversion, int Month, int WeekDay) {
  std::tm moment{};
  moment.tm_year = 100;
  moment.tm_mon = Month - 1;
  moment.tm_mday = 1;
  moment.tm_wday = WeekDay;
  char text[64];
  size_t length = std::strftime(text, sizeof text, Conversion, &moment);
  return std::string(text, length);
}

// 0 for Sunday; day 0 (30 December 1899) was a Saturday.
int WeekDay(TDateTime Value) {
  const long long day = static_cast<long long>(std::floor(Value));
  return static_cast<int>(((day + 6) % 7 + 7) % 7);
}

size_t RunLength(const std::string& Format, size_t Start) {
  const int letter = std::toupper(static_cast<unsigned char>(Format[Start]));
  size_t end = Start;
  while (end < Format.size() && std::toupper(static_cast<unsigned char>(Format[end])) == letter)
    ++end;
  return end - Start;
}

class TDateScanner {
public:
  TDateScanner(const std::string& Text) : S(Text) {}

  void SkipBlanks() {
    while (Pos < S.size() && S[Pos] == ' ')
      ++Pos;
  }
  // Digits are taken while the value read so far is below 1000.
  bool Number(int& Value, int& Digits) {
    SkipBlanks();
    Value = 0;
    Digits = 0;
    while (Pos < S.size() && std::isdigit(static_cast<unsigned char>(S[Pos])) && Value < 1000) {
      Value = Value * 10 + (S[Pos++] - '0');
      ++Digits;
    }
    return Digits > 0;
  }
  bool Char(char Expected) {
    SkipBlanks();
    if (Pos >= S.size() || S[Pos] != Expected)
      return false;
    ++Pos;
    return true;
  }
  bool AtEnd() const { return Pos >= S.size(); }

private:
  const std::string& S;
  size_t Pos = 0;
};

bool ScanDate(const std::string& S, const TFormatSettings& Settings, int ThisYear, TDateTime& Result) {
  TDateScanner scan(S);
  const char separator = Settings.DateSeparator;
  int n1, n2, n3, l1, l2, l3;
  if (!scan.Number(n1, l1) || !scan.Char(separator) || !scan.Number(n2, l2))
    return false;
  const TDateOrder order = DateOrder(Settings.ShortDateFormat);
  int year, month, day;
  if (scan.Char(separator)) {
    if (!scan.Number(n3, l3))
      return false;
    int yearDigits = l3;
    switch (order) {
    case doMDY: year = n3; month = n1; day = n2; break;
    case doDMY: year = n3; month = n2; day = n1; break;
    case doYMD: year = n1; month = n2; day = n3; yearDigits = l1; break;
    }
    if (yearDigits <= 2) {
      const int centuryBase = ThisYear - TwoDigitYearCenturyWindow;
      year += centuryBase - centuryBase % 100;
      if (year < centuryBase)
        year += 100;
    }
  } else {
    year = ThisYear;
    day = order == doDMY ? n1 : n2;
    month = order == doDMY ? n2 : n1;
  }
  scan.Char(separator);
  scan.SkipBlanks();
  return scan.AtEnd() && TryEncodeDate(year, month, day, Result);
}

}  // namespace

std::string DateToStr(TDateTime Value) { return DateToStr(Value, FormatSettings()); }

std::string DateToStr(TDateTime Value, const TFormatSettings& Settings) {
  int year, month, day;
  DecodeDate(Value, year, month, day);
  const std::string& format = Settings.ShortDateFormat;
  std::string text;
  for (size_t i = 0; i < format.size();) {
    const char c = format[i];
    if (c == '"' || c == '\'') {
      const size_t close = format.find(c, i + 1);
      const size_t end = close == std::string::npos ? format.size() : close;
      text += format.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    if (c == '/') {
      text += Settings.DateSeparator;
      ++i;
      continue;
    }
    const size_t run = RunLength(format, i);
    switch (std::toupper(static_cast<unsigned char>(c))) {
    case 'D':
      text += run == 1 ? std::to_string(day)
            : run == 2 ? Padded(day, 2)
            : NameOf(run == 3 ? "%a" : "%A", 1, WeekDay(Value));
      break;
    case 'M':
      text += run == 1 ? std::to_string(month)
            : run == 2 ? Padded(month, 2)
            : NameOf(run == 3 ? "%b" : "%B", month, 0);
      break;
    case 'Y':
      text += run <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
      break;
    default:
      text.append(run, c);
      break;
    }
    i += run;
  }
  return text;
}

TDateTime StrToDate(const std::string& S) { return StrToDate(S, FormatSettings(), CurrentYear()); }

TDateTime StrToDate(const std::string& S, const TFormatSettings& Settings, int ThisYear) {
  TDateTime result;
  if (!ScanDate(S, Settings, ThisYear, result))
    throw EConvertError("'" + S + "' n'est pas une date correcte");
  return result;
}
