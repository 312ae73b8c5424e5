#include "toolkit/UiLog.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace UiLog {

namespace {

// The variable is read at every event, so a test can point it at a file of its own.
const char* LogPath() {
  const char* path = std::getenv("VELANTO_UI_LOG");
  return path && *path ? path : nullptr;
}

// The log is UTF-8 on every platform, so that one reader serves both builds.
std::string Utf8(const std::string& Text) {
#ifdef _WIN32
  int wide = MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring buffer(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), buffer.data(), wide);
  int narrow = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(narrow), '\0');
  WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, result.data(), narrow, nullptr, nullptr);
  return result;
#else
  return Text;
#endif
}

void AppendLine(const std::string& Line) {
  const char* path = LogPath();
  if (!path) return;
  std::FILE* file = std::fopen(path, "ab");
  if (!file) return;
  std::fprintf(file, "%s\n", Utf8(Line).c_str());
  std::fclose(file);
}

}  // namespace

std::string Escape(const std::string& Text) {
  std::string escaped;
  for (char c : Text) {
    if (c == '\\') escaped += "\\\\";
    else if (c == '\r') escaped += "\\r";
    else if (c == '\n') escaped += "\\n";
    else escaped += c;
  }
  return escaped;
}

void Write(const std::string& Kind, const std::string& Text) {
  AppendLine(Text.empty() ? Kind : Kind + " " + Escape(Text));
}

void Write(const std::string& Kind, const std::string& Subject, const std::string& Text) {
  AppendLine(Kind + " " + Subject + " " + Escape(Text));
}

}  // namespace UiLog
