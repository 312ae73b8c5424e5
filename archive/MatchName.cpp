#include "archive/Selection.h"

#include "archive/StoredNameParts.h"
#include "platform/Paths.h"

namespace {

bool EndsWithDot(const std::string& Text) { return !Text.empty() && Text.back() == '.'; }

}  // namespace

bool MatchName(const std::string& Name, const std::string& Mask) {
  if (Mask.empty() || Name.empty()) return false;
  const size_t at = Mask.find("*.*");
  std::string pattern = at == std::string::npos ? Mask : Mask.substr(0, at) + "*" + Mask.substr(at + 3);
  const bool noExtension = EndsWithDot(Mask);
  if (noExtension) pattern.pop_back();
  const std::string name = EndsWithDot(Name) ? Name.substr(0, Name.size() - 1) : Name;
  if (!MatchWildcards(name.c_str(), pattern.c_str(), true)) return false;
  if (!noExtension) return true;
  const std::string ext = ExtractFileExt(WithPathDelims(Name));
  return ext.empty() || ext == ".";
}
