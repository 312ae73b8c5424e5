#pragma once
#include <string>

// Terminates the first running process whose executable file name equals Name, letters a to
// z compared without case; true only when one was found and its termination was accepted.
bool KillProcessByName(const std::string& Name);
