#pragma once
#include <functional>
#include <string>
#include <vector>

// A list of text lines.
class TStrings {
public:
  virtual ~TStrings() = default;
  int Count() const { return static_cast<int>(Lines.size()); }
  const std::string& operator[](int Index) const { return Lines.at(static_cast<size_t>(Index)); }
  void Add(const std::string& Line);
  void Clear();
  std::function<void()> OnChange;

private:
  std::vector<std::string> Lines;
};

class TStringList : public TStrings {};
