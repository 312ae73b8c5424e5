#include "archive/XAExcept.h"

#include <cstdio>
#include <string>

namespace {

std::string ArgText(const TXAFormatArg& Arg) {
  return Arg.IsText ? Arg.Text : std::to_string(Arg.Number);
}

// printf-like %s and %d; a placeholder without an argument is kept as written.
std::string FormatText(const std::string& Text, const std::vector<TXAFormatArg>& Args) {
  std::string Result;
  size_t Next = 0;
  for (size_t I = 0; I < Text.size(); ++I) {
    char C = Text[I];
    char Spec = I + 1 < Text.size() ? Text[I + 1] : '\0';
    if (C != '%' || (Spec != 's' && Spec != 'd' && Spec != '%')) {
      Result += C;
      continue;
    }
    ++I;
    if (Spec == '%')
      Result += '%';
    else if (Next < Args.size())
      Result += ArgText(Args[Next++]);
    else
      Result += {'%', Spec};
  }
  return Result;
}

std::string ZeroPadded(int32_t Number) {
  char Buffer[16];
  std::snprintf(Buffer, sizeof Buffer, "%5d", static_cast<int>(Number));
  std::string Text = Buffer;
  for (char& C : Text)
    if (C == ' ')
      C = '0';
  return Text;
}

std::string BuildMessage(const std::string& Text, int32_t NativeError, const TComponent* Component) {
  std::string Message = Text;
  if (Component && !Component->Name.empty())
    Message = Component->Name + ": " + Message;
  return Message + " - Native error: " + ZeroPadded(NativeError);
}

}  // namespace

EXAException::EXAException(int32_t NativeError, const TComponent* Component)
    : Exception(BuildMessage(XAMessageText(XAErrorCodeOf(NativeError)), NativeError, Component)),
      ErrorCode(XAErrorCodeOf(NativeError)), NativeError(NativeError) {}

EXAException::EXAException(int32_t NativeError, const std::vector<TXAFormatArg>& Args,
                           const TComponent* Component)
    : Exception(BuildMessage(FormatText(XAMessageText(XAErrorCodeOf(NativeError)), Args),
                             NativeError, Component)),
      ErrorCode(XAErrorCodeOf(NativeError)), NativeError(NativeError) {}
