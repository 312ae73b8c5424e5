#pragma once
#include <string>

#include "platform/Exception.h"

// The failure kinds of the network layer; handlers catch the base to tell them from other
// failures.
class EIdException : public Exception {
public:
  using Exception::Exception;
};

// A reply whose status is not a success (a redirect included); the message is the status line.
class EIdHTTPProtocolException : public EIdException {
public:
  EIdHTTPProtocolException(int Code, const std::string& StatusLine)
      : EIdException(StatusLine), ErrorCode(Code) {}
  int ErrorCode;
};

// A failing socket call: the system's error number (WSA number on Windows, errno elsewhere).
class EIdSocketError : public EIdException {
public:
  EIdSocketError(int Error, const std::string& SystemText);
  int LastError;
};

class EIdHostNotFound : public EIdException {
public:
  explicit EIdHostNotFound(const std::string& Host);
};

class EIdConnectTimeout : public EIdException {
public:
  EIdConnectTimeout();
};

// The server closed the connection before a complete reply head arrived.
class EIdConnClosedGracefully : public EIdException {
public:
  EIdConnClosedGracefully();
};
