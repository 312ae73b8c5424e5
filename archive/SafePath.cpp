#include "archive/SafePath.h"

#include <algorithm>
#include <cctype>

#include "platform/Paths.h"

namespace {

bool IsDelimiter(char c) { return c == '/' || c == '\\'; }

bool HasDrive(const std::string& Name) {
  return Name.size() >= 2 && std::isalpha(static_cast<unsigned char>(Name[0])) && Name[1] == ':';
}

// Windows drops trailing dots and blanks of a component, so ". ." or "..." mean "..".
bool IsParentComponent(const std::string& Component) {
#ifdef _WIN32
  if (Component.find("..") == std::string::npos) return false;
  return Component.find_first_not_of(". ") == std::string::npos;
#else
  return Component == "..";
#endif
}

bool HasParentComponent(const std::string& Name) {
  size_t start = 0;
  while (start <= Name.size()) {
    size_t end = start;
    while (end < Name.size() && !IsDelimiter(Name[end])) ++end;
    if (IsParentComponent(Name.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::string ToPathDelim(const std::string& Name) {
  std::string result = Name;
  std::replace(result.begin(), result.end(), '/', PathDelim);
  return result;
}

bool IsUnsafeStoredName(const std::string& Name) {
  if (!Name.empty() && IsDelimiter(Name[0])) return true;
  if (HasDrive(Name)) return true;
#ifdef _WIN32
  // Any other ":" names a drive-relative path or an alternate data stream.
  if (Name.find(':') != std::string::npos) return true;
#endif
  // Two delimiters in a row would make it a full path, relative to the current folder.
  for (size_t i = 1; i < Name.size(); ++i)
    if (IsDelimiter(Name[i]) && IsDelimiter(Name[i - 1])) return true;
  return HasParentComponent(Name);
}

bool IsFullPath(const std::string& Name) {
  std::string doubled{PathDelim, PathDelim};
  if (Name.find(doubled) != std::string::npos) return true;
#ifdef _WIN32
  return Name.find(':') != std::string::npos;
#else
  return !Name.empty() && Name[0] == '/';
#endif
}
