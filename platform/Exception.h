#pragma once
#include <exception>
#include <string>

// The general failure kind with a message; every failure type of the system derives from it.
class Exception : public std::exception {
public:
  explicit Exception(std::string message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }
  std::string Message;
};
