#include "toolkit/Strings.h"

void TStrings::Add(const std::string& Line) {
  Lines.push_back(Line);
  if (OnChange) OnChange();
}

void TStrings::Delete(int Index) {
  Lines.erase(Lines.begin() + (&(*this)[Index] - Lines.data()));
  if (OnChange) OnChange();
}

void TStrings::Clear() {
  Lines.clear();
  if (OnChange) OnChange();
}

std::string TStrings::Text() const {
  std::string text;
  for (const std::string& line : Lines) text += line + "\r\n";
  return text;
}
