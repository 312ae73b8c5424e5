#include "platform/Collation.h"

#include <ctype.h>
#include <locale.h>
#include <string.h>

namespace {

// Each category separately, so that one unknown locale name keeps the other category.
locale_t LoadUserLocale() {
  locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(0));
  for (int mask : {LC_COLLATE_MASK, LC_CTYPE_MASK}) {
    if (locale_t next = newlocale(mask, "", loc)) loc = next;
  }
  return loc;
}

locale_t UserLocale() {
  static const locale_t loc = LoadUserLocale();
  return loc;
}

unsigned char Byte(char C) { return static_cast<unsigned char>(C); }

}  // namespace

uint32_t UserDefaultLocaleId() { return 0; }

bool CollatesBefore(char A, char B) {
  const char a[2] = {A, 0};
  const char b[2] = {B, 0};
  return strcoll_l(a, b, UserLocale()) < 0;
}

bool CollatesEqualIgnoreCase(char A, char B) {
  return A == B || toupper_l(Byte(A), UserLocale()) == toupper_l(Byte(B), UserLocale());
}

char AnsiUpperChar(char C) { return static_cast<char>(toupper_l(Byte(C), UserLocale())); }

std::string AnsiLowerCase(const std::string& Text) {
  std::string lower = Text;
  for (char& c : lower) c = static_cast<char>(tolower_l(Byte(c), UserLocale()));
  return lower;
}
