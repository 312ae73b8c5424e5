#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Exception.h"

// A format argument of the second constructor form: text for %s, a number for %d.
struct TXAFormatArg {
  TXAFormatArg(const std::string& s) : IsText(true), Text(s) {}
  TXAFormatArg(const char* s) : IsText(true), Text(s) {}
  TXAFormatArg(int64_t n) : IsText(false), Number(n) {}
  TXAFormatArg(int n) : IsText(false), Number(n) {}
  bool IsText;
  std::string Text;
  int64_t Number = 0;
};

// Every failure that the archive component detects itself.
class EXAException : public Exception {
public:
  // Text taken unchanged from the message table (placeholders stay).
  EXAException(int32_t NativeError, const TComponent* Component);
  // Text formatted with the arguments.
  EXAException(int32_t NativeError, const std::vector<TXAFormatArg>& Args, const TComponent* Component);

  const int32_t ErrorCode;
  const int32_t NativeError;
};

// The message table (34 texts) and the code lookup (native error to error code, 0 when unknown).
const char* XAMessageText(int32_t ErrorCode);
int32_t XAErrorCodeOf(int32_t NativeError);

// The zlib glue's failure types, all with the message "error".
class EZlibError : public Exception { using Exception::Exception; };
class ECompressionError : public EZlibError { using EZlibError::EZlibError; };
class EDecompressionError : public EZlibError { using EZlibError::EZlibError; };
