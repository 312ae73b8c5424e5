#include "toolkit/UiLog.h"

#include <cstdio>
#include <cstdlib>

namespace UiLog {

namespace {

std::FILE* LogFile() {
  static std::FILE* file = [] () -> std::FILE* {
    const char* path = std::getenv("VELANTO_UI_LOG");
    return path && *path ? std::fopen(path, "ab") : nullptr;
  }();
  return file;
}

void AppendLine(const std::string& Line) {
  std::FILE* file = LogFile();
  if (!file) return;
  std::fprintf(file, "%s\n", Line.c_str());
  std::fflush(file);
}

}  // namespace

bool Enabled() { return LogFile() != nullptr; }

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
