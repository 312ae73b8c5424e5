#pragma once
#include <array>
#include <bitset>
#include <cstdint>

constexpr uint32_t TurkishLocaleId = 1055;

// Case-insensitive equality of the 256 ANSI character values, from a locale's collation and
// upper-casing.
class CaseTables {
public:
  // The fixed Windows-1254 tables for the Turkish locale; otherwise the platform's collation and
  // upper-casing of the user's locale.
  static CaseTables ForLocale(uint32_t LocaleId);
  // Built once per process from the user's default locale.
  static const CaseTables& Process();

  bool SameIgnoringCase(char A, char B) const;

  std::array<uint8_t, 256> Rank{};         // collation rank of each value
  std::array<uint8_t, 256> RankInverse{};  // the value holding each rank
  bool RanksDistinct = false;
  std::array<uint8_t, 256> UpperRank{};    // by rank: the rank of the upper-case form

private:
  // When ranks tie, pairs the platform's case-insensitive comparison calls equal.
  std::bitset<256 * 256> FallbackEqual;
};

// The Turkish collation of Windows-1254: the 256 values in ascending order.
extern const std::array<uint8_t, 256> TurkishCollationOrder;
// The Windows-1254 upper-case form in the Turkish locale.
uint8_t TurkishUpper(uint8_t C);
