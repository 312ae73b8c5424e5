#include "toolkit/UiLog.h"

#include <cstdio>
#include <cstdlib>

namespace UiLog {

namespace {

// The variable is read at every event, so a test can point it at a file of its own.
const char* LogPath() {
  const char* path = std::getenv("VELANTO_UI_LOG");
  return path && *path ? path : nullptr;
}

void AppendLine(const std::string& Line) {
  const char* path = LogPath();
  if (!path) return;
  std::FILE* file = std::fopen(path, "ab");
  if (!file) return;
  std::fprintf(file, "%s\n", Line.c_str());
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
