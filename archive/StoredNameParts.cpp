#include "archive/StoredNameParts.h"

#include "platform/Paths.h"

std::string WithPathDelims(const std::string& StoredName) {
  std::string name = StoredName;
  for (char& c : name) {
    if (c == '/') c = PathDelim;
  }
  return name;
}

std::string ReportedItemName(const std::string& StoredName) {
  std::string name = WithPathDelims(StoredName);
  if (!name.empty() && name.back() == PathDelim) name.pop_back();
  return name;
}

std::string WithoutTrailingSeparator(const std::string& StoredName) {
  if (StoredName.empty()) return StoredName;
  const char last = StoredName.back();
  if (last != '/' && last != '\\') return StoredName;
  return StoredName.substr(0, StoredName.size() - 1);
}
