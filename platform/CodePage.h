#pragma once
#include <string>

// <windows.h> maps OemToAnsi to OemToCharA; this header's OemToAnsi is its own.
#ifdef OemToAnsi
#undef OemToAnsi
#endif

// OEM to ANSI: Windows OemToCharBuffA; POSIX iconv from CP850 to UTF-8.
std::string OemToAnsi(const std::string& Text);
// UTF-8 (flag bit 11, Unicode Path extra) to ANSI: Windows converts to the ANSI code page,
// POSIX keeps the text as it is.
std::string Utf8ToAnsi(const std::string& Text);
