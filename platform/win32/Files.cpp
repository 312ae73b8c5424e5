#include "platform/Files.h"

#include <cctype>

#include <windows.h>
#undef DeleteFile

#include "platform/Paths.h"
#include "platform/win32/LocalDosTime.h"

namespace {

bool AttributesOf(const std::string& Path, WIN32_FILE_ATTRIBUTE_DATA& Data) {
  return !Path.empty() && GetFileAttributesExA(Path.c_str(), GetFileExInfoStandard, &Data);
}

bool FileData(const std::string& Path, WIN32_FILE_ATTRIBUTE_DATA& Data) {
  return AttributesOf(Path, Data) && !(Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string WithoutTrailingDelimiter(std::string Path) {
  while (Path.size() > 1 && Path.back() == PathDelim)
    Path.pop_back();
  return Path;
}

}  // namespace

bool FileExists(const std::string& Path) {
  WIN32_FILE_ATTRIBUTE_DATA Data;
  return FileData(Path, Data);
}

bool DirectoryExists(const std::string& Path) {
  DWORD Attr = Path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(Path.c_str());
  return Attr != INVALID_FILE_ATTRIBUTES && (Attr & FILE_ATTRIBUTE_DIRECTORY);
}

uint32_t FileGetAttr(const std::string& Path) {
  return Path.empty() ? faInvalid : GetFileAttributesA(Path.c_str());
}

bool FileSetAttr(const std::string& Path, uint32_t Attr, bool UnixMode) {
  // A Unix mode in the high half means nothing to Windows.
  return SetFileAttributesA(Path.c_str(), UnixMode ? Attr & 0xFFFF : Attr);
}

bool DeleteFile(const std::string& Path) {
  return DeleteFileA(Path.c_str());
}

bool RenameFileReplace(const std::string& Source, const std::string& Dest) {
  return MoveFileExA(Source.c_str(), Dest.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
}

bool ForceDirectories(const std::string& Path) {
  std::string Dir = WithoutTrailingDelimiter(Path);
  if (Dir.empty())
    return false;
  if (DirectoryExists(Dir) || Dir.size() <= ExtractFileDrive(Dir).size())
    return DirectoryExists(IncludeTrailingPathDelimiter(Dir));
  std::string Parent = ExtractFilePath(Dir);
  if (!Parent.empty() && Parent != Dir && !ForceDirectories(Parent))
    return false;
  return CreateDirectoryA(Dir.c_str(), nullptr) || (GetLastError() == ERROR_ALREADY_EXISTS && DirectoryExists(Dir));
}

std::string GetCurrentDir() {
  char Buffer[MAX_PATH + 1];
  DWORD Length = GetCurrentDirectoryA(sizeof Buffer, Buffer);
  return Length > 0 && Length < sizeof Buffer ? std::string(Buffer, Length) : std::string();
}

std::string ExecutablePath() {
  char Buffer[MAX_PATH + 1];
  DWORD Length = GetModuleFileNameA(nullptr, Buffer, sizeof Buffer);
  return std::string(Buffer, Length);
}

int32_t FileAge(const std::string& Path) {
  WIN32_FILE_ATTRIBUTE_DATA Data;
  return FileData(Path, Data) ? FileTimeToLocalDosDateTime(Data.ftLastWriteTime) : -1;
}

bool FileAgeDateTime(const std::string& Path, TDateTime& Result) {
  WIN32_FILE_ATTRIBUTE_DATA Data;
  if (!FileData(Path, Data))
    return false;
  Result = FileTimeToLocalDateTime(Data.ftLastWriteTime);
  return true;
}

bool FileSetDate(const std::string& Path, int32_t DosDateTime) {
  FILETIME Time;
  if (!LocalDosDateTimeToFileTime(DosDateTime, Time))
    return false;
  HANDLE File = CreateFileA(Path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE)
    return false;
  bool Done = SetFileTime(File, nullptr, nullptr, &Time);
  CloseHandle(File);
  return Done;
}

bool IsRemovableDrive(const std::string& Path) {
  std::string Drive = ExtractFileDrive(Path);
  if (Drive.size() == 2 && Drive[1] == ':') {
    char Letter = static_cast<char>(std::toupper(static_cast<unsigned char>(Drive[0])));
    if (Letter == 'A' || Letter == 'B')
      return true;
  }
  std::string Root = Drive.empty() ? std::string() : IncludeTrailingPathDelimiter(Drive);
  return GetDriveTypeA(Root.empty() ? nullptr : Root.c_str()) == DRIVE_REMOVABLE;
}
