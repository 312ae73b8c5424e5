#include <cstring>
#include <vector>

#include "archive/CaseTables.h"
#include "archive/Selection.h"

// The matcher's rule is recursive (a star tries every start of a non-empty rest of the name, and
// "*.*" right after a star matches any such rest); evaluated column by column from the end of
// the pattern, it takes time proportional to name length times pattern length.
bool MatchWildcards(const char* Name, const char* Pattern, bool IgnoreCase) {
  if (std::strcmp(Pattern, "*.*") == 0) return true;
  const size_t n = std::strlen(Name);
  const size_t p = std::strlen(Pattern);
  const CaseTables& tables = CaseTables::Process();
  auto same = [&](char a, char b) { return a == b || (IgnoreCase && tables.SameIgnoringCase(a, b)); };

  // next[i]: the rest of the name from i matches the pattern from j + 1.
  std::vector<uint8_t> next(n + 1, 0), cur(n + 1, 0);
  next[n] = 1;  // empty pattern matches only an empty name
  for (size_t j = p; j-- > 0;) {
    const char c = Pattern[j];
    if (j == p - 1 && c == '*') {
      std::fill(cur.begin(), cur.end(), 1);
    } else if (c == '*') {
      const bool anyRest = std::strcmp(Pattern + j + 1, "*.*") == 0;
      uint8_t later = 0;  // some k in [i, n) with the rest from k matching after the star
      cur[n] = 0;
      for (size_t i = n; i-- > 0;) {
        later |= anyRest ? 1 : next[i];
        cur[i] = later;
      }
    } else {
      cur[n] = 0;
      for (size_t i = 0; i < n; ++i) cur[i] = (c == '?' || same(Name[i], c)) ? next[i + 1] : 0;
    }
    std::swap(cur, next);
  }
  return next[0] != 0;
}
