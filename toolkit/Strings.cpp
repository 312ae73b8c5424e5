#include "toolkit/Strings.h"

void TStrings::Add(const std::string& Line) {
  Lines.push_back(Line);
  if (OnChange) OnChange();
}

void TStrings::Clear() {
  Lines.clear();
  if (OnChange) OnChange();
}
