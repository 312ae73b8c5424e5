#pragma once
#include <string>

// Whether the text, in lower case, contains ".exe": the mark of a self-extracting archive name.
bool ContainsExe(std::string Text);
