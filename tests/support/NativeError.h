#pragma once
#include <cstdint>
#include <functional>

#include "archive/XAExcept.h"

namespace test {

// Native error raised by Action, or -1 when it raises none.
inline int32_t NativeErrorOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const EXAException& e) {
    return e.NativeError;
  }
  return -1;
}

}  // namespace test
