#pragma once
#include <string>

// The system's text for an errno value.
std::string SystemErrorMessage(int Error);
