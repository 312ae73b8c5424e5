#include "platform/Component.h"

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include <cxxabi.h>

#include "platform/Exception.h"

namespace {

std::string ClassName(const TObject& Object) {
  const char* Mangled = typeid(Object).name();
  int Status = 0;
  std::unique_ptr<char, void (*)(void*)> Demangled(
      abi::__cxa_demangle(Mangled, nullptr, nullptr, &Status), std::free);
  return Status == 0 && Demangled ? Demangled.get() : Mangled;
}

}  // namespace

void TPersistent::Assign(const TPersistent& Source) {
  throw Exception("Cannot assign a " + ClassName(Source) + " to a " + ClassName(*this));
}
