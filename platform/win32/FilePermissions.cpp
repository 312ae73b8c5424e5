#include "platform/Files.h"

// Windows files carry attributes only, which the caller sets itself.
bool InheritFilePermissions(const std::string&, const std::string&) { return true; }
