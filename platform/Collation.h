#pragma once
#include <cstdint>
#include <string>

// Character services of the user's locale, for case-insensitive name matching. Windows: the
// user's default locale; POSIX: the user's LC_COLLATE and LC_CTYPE, read into a locale object
// of its own (the process's global locale is left alone).

// The user's default locale identifier (Windows LCID); POSIX has none and gives 0.
uint32_t UserDefaultLocaleId();
// True when the one-character string A sorts before the one-character string B.
bool CollatesBefore(char A, char B);
// True when the one-character strings A and B compare equal without regard to case.
bool CollatesEqualIgnoreCase(char A, char B);
// The upper-case form of one ANSI character.
char AnsiUpperChar(char C);
std::string AnsiLowerCase(const std::string& Text);
