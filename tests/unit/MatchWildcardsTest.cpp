#include <gtest/gtest.h>

#include <random>
#include <string>

#include "archive/Selection.h"

namespace {

// The matcher's rule written as it reads, recursion and all: the reference for the fast matcher.
bool ReferenceEqual(char a, char b, bool ignoreCase) {
  auto up = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; };
  return a == b || (ignoreCase && up(a) == up(b));
}

bool ReferenceMatch(const char* name, const char* pattern, bool ignoreCase) {
  if (std::string(pattern) == "*.*") return true;
  for (;;) {
    if (std::string(pattern) == "*") return true;
    if (*name == 0) return *pattern == 0;
    if (*pattern == '*') {
      for (const char* rest = name; *rest; ++rest) {
        if (ReferenceMatch(rest, pattern + 1, ignoreCase)) return true;
      }
      return false;
    }
    if (*pattern == 0) return false;
    if (*pattern != '?' && !ReferenceEqual(*name, *pattern, ignoreCase)) return false;
    ++name;
    ++pattern;
  }
}

struct WildcardCase {
  const char* Name;
  const char* Pattern;
  bool IgnoreCase;
  bool Matches;
};

void PrintTo(const WildcardCase& c, std::ostream* out) {
  *out << "'" << c.Name << "' ~ '" << c.Pattern << "' ignoreCase " << c.IgnoreCase;
}

class MatchWildcardsTable : public testing::TestWithParam<WildcardCase> {};

TEST_P(MatchWildcardsTable, AnswersAsTheRuleSays) {
  const WildcardCase& c = GetParam();
  EXPECT_EQ(MatchWildcards(c.Name, c.Pattern, c.IgnoreCase), c.Matches)
      << "name '" << c.Name << "' pattern '" << c.Pattern << "'";
}

INSTANTIATE_TEST_SUITE_P(Cases, MatchWildcardsTable, testing::Values(
    WildcardCase{"", "*.*", true, true},           // whole pattern "*.*" matches anything
    WildcardCase{"", "*", true, true},             // a trailing star matches an empty rest
    WildcardCase{"", "", true, true},
    WildcardCase{"", "a", true, false},
    WildcardCase{"a", "", true, false},
    WildcardCase{"", "**", true, false},           // a star is never tried on an empty rest
    WildcardCase{"a", "a**", true, false},
    WildcardCase{"a", "a*", true, true},
    WildcardCase{"a", "a*.*", true, false},        // only MatchName turns "*.*" into "*"
    WildcardCase{"x", "*x", true, true},
    WildcardCase{"", "*a", true, false},
    WildcardCase{"xyz", "x**.*", true, true},      // "*.*" right after a star takes any rest
    WildcardCase{"xyz", "x*.*", true, false},
    WildcardCase{"x", "x**.*", true, false},
    WildcardCase{"abc", "a?c", true, true},
    WildcardCase{"a/c", "a?c", true, true},        // "?" takes "/" and "." too
    WildcardCase{"a.c", "a?c", true, true},
    WildcardCase{"ac", "a?c", true, false},
    WildcardCase{"docs/sub/a.txt", "*.txt", true, true},
    WildcardCase{"docs/sub/a.txt", "docs*a.txt", true, true},
    WildcardCase{"README.TXT", "readme.txt", true, true},
    WildcardCase{"README.TXT", "readme.txt", false, false},
    WildcardCase{"readme.txt", "readme.txt", false, true},
    WildcardCase{"ab", "a", true, false},
    WildcardCase{"ab", "a?", true, true},
    WildcardCase{"ab", "a??", true, false}));

TEST(MatchWildcards, AgreesWithTheRecursiveRuleOnRandomCases) {
  std::mt19937 random(20261211);
  const std::string nameChars = "abA./";
  const std::string patternChars = "abA./*?";
  auto text = [&](const std::string& alphabet, int maxLength) {
    std::string s(random() % (maxLength + 1), ' ');
    for (char& c : s) c = alphabet[random() % alphabet.size()];
    return s;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::string name = text(nameChars, 8);
    const std::string pattern = text(patternChars, 7);
    const bool ignoreCase = (i % 3) != 0;
    ASSERT_EQ(MatchWildcards(name.c_str(), pattern.c_str(), ignoreCase),
              ReferenceMatch(name.c_str(), pattern.c_str(), ignoreCase))
        << "name '" << name << "' pattern '" << pattern << "' ignoreCase " << ignoreCase;
  }
}

// The recursive rule takes exponential time here; the answers must still come.
TEST(MatchWildcards, ManyStarsAgainstALongNameThatDoesNotMatch) {
  const std::string name(200, 'a');
  EXPECT_FALSE(MatchWildcards(name.c_str(), (std::string(30, '*') + "b").c_str(), true));
  std::string stars;
  for (int i = 0; i < 30; ++i) stars += "*a";
  EXPECT_FALSE(MatchWildcards(name.c_str(), (stars + "b").c_str(), true));
  EXPECT_TRUE(MatchWildcards((name + "b").c_str(), (stars + "b").c_str(), true));
}

}  // namespace
