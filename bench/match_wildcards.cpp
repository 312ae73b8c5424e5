// Wildcard matching cost: adversarial star patterns against long names that do not match, and
// the everyday masks against many names.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "archive/Selection.h"

namespace {

template <typename F>
void Measure(const char* label, int repeats, F&& run) {
  const auto start = std::chrono::steady_clock::now();
  int matches = 0;
  for (int i = 0; i < repeats; ++i) matches += run() ? 1 : 0;
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
  std::printf("%-44s %10.2f us/call  (%d calls, %d matched)\n", label, took.count() / repeats, repeats, matches);
}

}  // namespace

int main() {
  const std::string name(200, 'a');
  const std::string stars30 = std::string(30, '*') + "b";
  std::string starA30;
  for (int i = 0; i < 30; ++i) starA30 += "*a";
  starA30 += "b";
  Measure("30 stars + 'b' vs 200 x 'a'", 10000, [&] { return MatchWildcards(name.c_str(), stars30.c_str(), true); });
  Measure("30 x '*a' + 'b' vs 200 x 'a'", 10000, [&] { return MatchWildcards(name.c_str(), starA30.c_str(), true); });
  const std::string mask259(259, '*');
  const std::string long999(999, 'x');
  Measure("259 stars vs 999 chars", 1000, [&] { return MatchWildcards(long999.c_str(), (mask259 + "y").c_str(), true); });

  std::vector<std::string> names;
  for (int i = 0; i < 100000; ++i) names.push_back("folder" + std::to_string(i % 97) + "/file" + std::to_string(i) + ".txt");
  for (const char* mask : {"*.*", "*.TXT", "folder1/*.txt", "*.", "file?.txt"}) {
    size_t next = 0;
    std::string label = std::string("MatchName '") + mask + "' over 100000 names";
    Measure(label.c_str(), 100000, [&] { return MatchName(names[next++ % names.size()], mask); });
  }
}
