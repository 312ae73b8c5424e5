#pragma once
#include <string>

#include "platform/DateTime.h"
#include "platform/Exception.h"
#include "platform/FormatSettings.h"

// A text that cannot be converted to the value asked for.
class EConvertError : public Exception {
public:
  using Exception::Exception;
};

// The date part of Value in the short date format: d, M and y pictures ("dd/MM/yyyy"), "/" for
// the date separator, quoted text as it is.
std::string DateToStr(TDateTime Value);
std::string DateToStr(TDateTime Value, const TFormatSettings& Settings);

// Reads a date of day, month and year numbers in the order of the short date format; a one- or
// two-digit year falls in the hundred years that begin 50 years before ThisYear. Raises
// EConvertError "'S' n'est pas une date correcte".
TDateTime StrToDate(const std::string& S);
TDateTime StrToDate(const std::string& S, const TFormatSettings& Settings, int ThisYear);
