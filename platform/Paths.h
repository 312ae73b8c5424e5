#pragma once
#include <string>

// The path delimiter of the platform: "\" on Windows, "/" on POSIX. Where the Windows rules
// treat ":" as a delimiter (drive letters), POSIX treats it as an ordinary character.
#ifdef _WIN32
constexpr char PathDelim = '\\';
constexpr const char* PathDelimiters = "\\:";
#else
constexpr char PathDelim = '/';
constexpr const char* PathDelimiters = "/";
#endif

std::string ExtractFilePath(const std::string& FileName);  // up to and including the last delimiter
std::string ExtractFileName(const std::string& FileName);  // after the last delimiter
std::string ExtractFileExt(const std::string& FileName);   // from the last "." after the last delimiter
std::string ExtractFileDrive(const std::string& FileName); // "C:" or "\\server\share"; empty on POSIX
std::string ChangeFileExt(const std::string& FileName, const std::string& Extension);
std::string IncludeTrailingPathDelimiter(const std::string& Path);
