#pragma once
#include <string>

// Stored names use "/"; events and destination paths use the platform's delimiter.
std::string ToPathDelim(const std::string& Name);

// A stored name (in delimiter form) that could lead outside the base folder: absolute, with a
// drive, with a ".." component or with two delimiters in a row.
bool IsUnsafeStoredName(const std::string& Name);

// A name that carries its own location, so the base folder does not apply: on Windows one with
// a ":" or two consecutive "\"; on POSIX an absolute one or one with "//".
bool IsFullPath(const std::string& Name);
