#pragma once
#include <string>

// When VELANTO_UI_LOG names a file, one line per event is appended to it and flushed at once,
// so end-to-end tests can follow what the window shows.
namespace UiLog {

// Appends "Kind Subject Text" (Text with "\", CR and LF escaped as \\, \r and \n).
void Write(const std::string& Kind, const std::string& Subject, const std::string& Text);
void Write(const std::string& Kind, const std::string& Text);
std::string Escape(const std::string& Text);

}  // namespace UiLog
