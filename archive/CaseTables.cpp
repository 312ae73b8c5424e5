#include "archive/CaseTables.h"

#include "platform/Collation.h"

namespace {

char AsChar(int Value) { return static_cast<char>(static_cast<unsigned char>(Value)); }
size_t PairIndex(uint8_t A, uint8_t B) { return size_t(A) * 256 + B; }

std::array<uint8_t, 256> PlatformRanks() {
  std::array<uint8_t, 256> rank{};
  for (int c = 0; c < 256; ++c) {
    int before = 0;
    for (int p = 0; p < 256; ++p) before += CollatesBefore(AsChar(p), AsChar(c)) ? 1 : 0;
    rank[c] = static_cast<uint8_t>(before);
  }
  return rank;
}

std::array<uint8_t, 256> TurkishRanks() {
  std::array<uint8_t, 256> rank{};
  for (int r = 0; r < 256; ++r) rank[TurkishCollationOrder[r]] = static_cast<uint8_t>(r);
  return rank;
}

// The ranks and their inverse; true when the ranks are a permutation of 0 to 255.
bool InvertRanks(const std::array<uint8_t, 256>& Rank, std::array<uint8_t, 256>& Inverse) {
  std::bitset<256> seen;
  for (int c = 0; c < 256; ++c) {
    Inverse[Rank[c]] = static_cast<uint8_t>(c);
    seen.set(Rank[c]);
  }
  return seen.all();
}

// Letting load time build the tables keeps the first match free of platform calls.
const CaseTables& LoadTimeTables = CaseTables::Process();

}  // namespace

CaseTables CaseTables::ForLocale(uint32_t LocaleId) {
  const bool turkish = LocaleId == TurkishLocaleId;
  CaseTables t;
  t.Rank = turkish ? TurkishRanks() : PlatformRanks();
  t.RanksDistinct = InvertRanks(t.Rank, t.RankInverse);
  if (t.RanksDistinct) {
    for (int c = 0; c < 256; ++c) {
      const uint8_t upper = turkish ? TurkishUpper(uint8_t(c)) : uint8_t(AnsiUpperChar(AsChar(c)));
      t.UpperRank[t.Rank[c]] = t.Rank[upper];
    }
    return t;
  }
  for (int a = 1; a < 256; ++a) {
    for (int b = a; b < 256; ++b) {
      if (!CollatesEqualIgnoreCase(AsChar(a), AsChar(b))) continue;
      t.FallbackEqual.set(PairIndex(uint8_t(a), uint8_t(b)));
      t.FallbackEqual.set(PairIndex(uint8_t(b), uint8_t(a)));
    }
  }
  return t;
}

const CaseTables& CaseTables::Process() {
  static const CaseTables tables = ForLocale(UserDefaultLocaleId());
  return tables;
}

bool CaseTables::SameIgnoringCase(char A, char B) const {
  const uint8_t a = static_cast<uint8_t>(A);
  const uint8_t b = static_cast<uint8_t>(B);
  if (a == b) return true;
  if (RanksDistinct) return UpperRank[Rank[a]] == UpperRank[Rank[b]];
  return FallbackEqual.test(PairIndex(a, b));
}
