#include <gtest/gtest.h>

#include <string>

#include "archive/Selection.h"

namespace {

struct NameCase {
  const char* Name;
  const char* Mask;
  bool Matches;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << "'" << c.Name << "' ~ '" << c.Mask << "'"; }

class MatchNameTable : public testing::TestWithParam<NameCase> {};

TEST_P(MatchNameTable, AnswersAsTheDotRulesSay) {
  const NameCase& c = GetParam();
  EXPECT_EQ(MatchName(c.Name, c.Mask), c.Matches) << "name '" << c.Name << "' mask '" << c.Mask << "'";
}

INSTANTIATE_TEST_SUITE_P(Cases, MatchNameTable, testing::Values(
    NameCase{"readme.txt", "*.*", true},
    NameCase{"README", "*.*", true},              // no dot needed
    NameCase{"docs/sub/a.txt", "*.*", true},
    NameCase{"readme.txt", "*.TXT", true},
    NameCase{"docs/readme.txt", "*.TXT", true},
    NameCase{"readme.txt.bak", "*.txt", false},
    NameCase{"README", "*.", true},               // "*." : names without an extension
    NameCase{"docs", "*.", true},
    NameCase{"a.txt", "*.", false},
    NameCase{"docs.d/readme", "docs.d/*.", true}, // a dot in a folder is no extension
    NameCase{"abc", "abc.", true},
    NameCase{"abc.", "abc.", true},
    NameCase{"abc.txt", "abc.", false},
    NameCase{"abc", "a?c", true},
    NameCase{"a/c", "a?c", true},
    NameCase{"ac", "a?c", false},
    NameCase{"a", "a**", false},
    NameCase{"a", "a*", true},
    NameCase{"a", "a*.*", true},                  // the first "*.*" becomes "*"
    NameCase{"a.b", "*.*.*", true},
    NameCase{"ab", "*.*.*", true},                // becomes "*.*", which takes anything
    NameCase{"axy", "*.*x*.*", false},            // only the first "*.*" is replaced
    NameCase{"ax.y", "*.*x*.*", true},
    NameCase{"readme.txt", "", false},            // an empty mask matches nothing
    NameCase{"", "*.*", false},                   // nor is an empty name matched
    NameCase{"", "*", false}));

TEST(ItemAttrMatches, OnlyHiddenSystemVolumeAndDirectoryCanExclude) {
  const uint32_t excluding[] = {0x02, 0x04, 0x08, 0x10};
  for (uint32_t attr : excluding) {
    EXPECT_FALSE(ItemAttrMatches(attr, 0)) << attr;
    EXPECT_TRUE(ItemAttrMatches(attr, attr)) << attr;
    EXPECT_TRUE(ItemAttrMatches(attr, 10431)) << attr;
    EXPECT_FALSE(ItemAttrMatches(attr | 0x20, 0x3F & ~attr)) << attr;
  }
  EXPECT_TRUE(ItemAttrMatches(0x01, 0));
  EXPECT_TRUE(ItemAttrMatches(0x20, 0));
  EXPECT_TRUE(ItemAttrMatches(0xFFFF0000u | 0x21, 0));  // Unix mode bits and archive never exclude
  EXPECT_TRUE(ItemAttrMatches(0xFFFFFFFFu, 10431));
  EXPECT_FALSE(ItemAttrMatches(0x12, 0x10));            // hidden folder needs both
}

}  // namespace
