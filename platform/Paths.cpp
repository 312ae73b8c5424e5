#include "platform/Paths.h"

namespace {

// Index of the last character of Text found in Chars, or npos.
size_t LastDelimiter(const char* Chars, const std::string& Text) {
  return Text.find_last_of(Chars);
}

// The extension's "." when it follows the last path delimiter, or npos.
size_t ExtensionDot(const std::string& FileName) {
  std::string Chars = std::string(".") + PathDelimiters;
  size_t I = LastDelimiter(Chars.c_str(), FileName);
  return I != std::string::npos && FileName[I] == '.' ? I : std::string::npos;
}

}  // namespace

std::string ExtractFilePath(const std::string& FileName) {
  size_t I = LastDelimiter(PathDelimiters, FileName);
  return I == std::string::npos ? std::string() : FileName.substr(0, I + 1);
}

std::string ExtractFileName(const std::string& FileName) {
  size_t I = LastDelimiter(PathDelimiters, FileName);
  return I == std::string::npos ? FileName : FileName.substr(I + 1);
}

std::string ExtractFileExt(const std::string& FileName) {
  size_t I = ExtensionDot(FileName);
  return I == std::string::npos ? std::string() : FileName.substr(I);
}

std::string ExtractFileDrive(const std::string& FileName) {
#ifdef _WIN32
  if (FileName.size() >= 2 && FileName[1] == ':')
    return FileName.substr(0, 2);
  if (FileName.size() >= 2 && FileName[0] == '\\' && FileName[1] == '\\') {
    // "\\server\share": stop before the delimiter that follows the share.
    size_t Server = FileName.find('\\', 2);
    if (Server == std::string::npos)
      return FileName;
    size_t Share = FileName.find('\\', Server + 1);
    return Share == std::string::npos ? FileName : FileName.substr(0, Share);
  }
#else
  (void)FileName;
#endif
  return std::string();
}

std::string ChangeFileExt(const std::string& FileName, const std::string& Extension) {
  size_t I = ExtensionDot(FileName);
  return (I == std::string::npos ? FileName : FileName.substr(0, I)) + Extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& Path) {
  if (!Path.empty() && Path.back() == PathDelim)
    return Path;
  return Path + PathDelim;
}
