#pragma once
#include <string>

#include <windows.h>

// The system's text for a Win32 error code, without its trailing line break and full stop.
std::string SystemErrorMessage(DWORD Error);
