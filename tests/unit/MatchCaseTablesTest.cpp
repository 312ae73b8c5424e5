#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "archive/CaseTables.h"
#include "archive/Selection.h"
#include "platform/Collation.h"

namespace {

constexpr char DottedCapitalI = '\xDD';
constexpr char DotlessSmallI = '\xFD';

TEST(CaseTables, TurkishCollationOrdersEveryValueOnce) {
  std::array<uint8_t, 256> sorted = TurkishCollationOrder;
  std::sort(sorted.begin(), sorted.end());
  std::array<uint8_t, 256> all{};
  std::iota(all.begin(), all.end(), 0);
  EXPECT_EQ(sorted, all);
}

TEST(CaseTables, TurkishTablesFollowTheTurkishUpperCase) {
  const CaseTables t = CaseTables::ForLocale(TurkishLocaleId);
  ASSERT_TRUE(t.RanksDistinct);
  for (int c = 0; c < 256; ++c) EXPECT_EQ(t.RankInverse[t.Rank[c]], c);
  struct Pair { char A, B; bool Same; };
  const Pair pairs[] = {
      {'i', DottedCapitalI, true}, {'i', 'I', false}, {DotlessSmallI, 'I', true},
      {DotlessSmallI, 'i', false}, {'a', 'A', true}, {'z', 'Z', true}, {'a', 'b', false},
      {'\xE7', '\xC7', true},   // c cedilla
      {'\xFE', '\xDE', true},   // s cedilla
      {'\xF0', '\xD0', true},   // g breve
      {'\xFC', '\xDC', true},   // u diaeresis
      {'\xF7', '\xD7', false},  // division and multiplication signs are no letters
      {'\xFF', '\x9F', false},  // y diaeresis keeps its own form in the fixed mapping
      {'1', '1', true},
  };
  for (const Pair& p : pairs) {
    EXPECT_EQ(t.SameIgnoringCase(p.A, p.B), p.Same) << int(uint8_t(p.A)) << " " << int(uint8_t(p.B));
    EXPECT_EQ(t.SameIgnoringCase(p.B, p.A), p.Same) << int(uint8_t(p.B)) << " " << int(uint8_t(p.A));
  }
}

// The tables of this process: in every locale but Turkish, ASCII letters fold as usual.
TEST(CaseTables, ProcessTablesFoldAsciiLetters) {
  if (UserDefaultLocaleId() == TurkishLocaleId) GTEST_SKIP() << "Turkish folding is tested apart";
  const CaseTables& t = CaseTables::Process();
  for (char c = 'a'; c <= 'z'; ++c) {
    EXPECT_TRUE(t.SameIgnoringCase(c, char(c - 32))) << c;
    const char otherUpper = c == 'z' ? 'A' : char(c + 1 - 32);
    EXPECT_FALSE(t.SameIgnoringCase(c, otherUpper)) << c;
  }
  EXPECT_FALSE(t.SameIgnoringCase('\0', ' '));
  EXPECT_TRUE(MatchWildcards("FILE.TXT", "file.txt", true));
  EXPECT_TRUE(MatchWildcards("I", "i", true));
#ifdef _WIN32
  EXPECT_TRUE(t.SameIgnoringCase('\xE9', '\xC9'));  // e acute in the ANSI code page
  EXPECT_TRUE(MatchName("\xC9T\xC9.TXT", "\xE9t\xE9.txt"));
#endif
}

// Run by tests/select/test_turkish_wine.sh with the Turkish locale; skipped elsewhere.
TEST(SelectTurkishLocale, ProcessTablesAreTheTurkishOnes) {
  if (UserDefaultLocaleId() != TurkishLocaleId) GTEST_SKIP() << "needs the Turkish user locale";
  EXPECT_TRUE(CaseTables::Process().RanksDistinct);
  EXPECT_TRUE(MatchWildcards("i", "\xDD", true));
  EXPECT_FALSE(MatchWildcards("i", "I", true));
  EXPECT_TRUE(MatchWildcards("\xFD", "I", true));
  EXPECT_TRUE(MatchName("D\xDDZ\xDDN.TXT", "dizin.txt"));
  EXPECT_FALSE(MatchName("DIZIN.TXT", "dizin.txt"));
}

}  // namespace
