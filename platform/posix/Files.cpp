#include "platform/Files.h"

#include <cerrno>
#include <climits>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>
#include <unistd.h>

#include "platform/Paths.h"
#include "platform/posix/LocalDosTime.h"

namespace {

constexpr mode_t WriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

bool StatOf(const std::string& Path, struct stat& Info) {
  return !Path.empty() && stat(Path.c_str(), &Info) == 0;
}

std::string WithoutTrailingDelimiter(std::string Path) {
  while (Path.size() > 1 && Path.back() == PathDelim)
    Path.pop_back();
  return Path;
}

bool ReadsOne(const std::string& SysfsFile) {
  std::ifstream In(SysfsFile);
  char C = 0;
  return In >> C && C == '1';
}

}  // namespace

bool FileExists(const std::string& Path) {
  struct stat Info {};
  return StatOf(Path, Info) && !S_ISDIR(Info.st_mode);
}

bool DirectoryExists(const std::string& Path) {
  struct stat Info {};
  return StatOf(Path, Info) && S_ISDIR(Info.st_mode);
}

uint32_t FileGetAttr(const std::string& Path) {
  struct stat Info {};
  if (!StatOf(Path, Info))
    return faInvalid;
  uint32_t Attr = 0;
  if (S_ISDIR(Info.st_mode))
    Attr |= faDirectory;
  if ((Info.st_mode & WriteBits) == 0)
    Attr |= faReadOnly;
  return Attr;
}

bool FileSetAttr(const std::string& Path, uint32_t Attr, bool UnixMode) {
  struct stat Info {};
  if (!StatOf(Path, Info))
    return false;
  mode_t Mode = Info.st_mode & 07777;
  if (UnixMode)
    Mode = (Mode & ~0777) | ((Attr >> 16) & 0777);
  if (Attr & faReadOnly)
    Mode &= ~WriteBits;
  else if (!UnixMode && (Mode & WriteBits) == 0)
    Mode |= S_IWUSR;
  return chmod(Path.c_str(), Mode) == 0;
}

bool DeleteFile(const std::string& Path) {
  return unlink(Path.c_str()) == 0;
}

bool RenameFileReplace(const std::string& Source, const std::string& Dest) {
  return rename(Source.c_str(), Dest.c_str()) == 0;
}

bool ForceDirectories(const std::string& Path) {
  std::string Dir = WithoutTrailingDelimiter(Path);
  if (Dir.empty())
    return false;
  if (DirectoryExists(Dir))
    return true;
  std::string Parent = ExtractFilePath(Dir);
  if (!Parent.empty() && Parent != Dir && !ForceDirectories(Parent))
    return false;
  return mkdir(Dir.c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(Dir));
}

std::string GetCurrentDir() {
  char Buffer[PATH_MAX];
  return getcwd(Buffer, sizeof Buffer) ? Buffer : "";
}

std::string ExecutablePath() {
  char Buffer[PATH_MAX];
  ssize_t N = readlink("/proc/self/exe", Buffer, sizeof Buffer - 1);
  return N > 0 ? std::string(Buffer, static_cast<size_t>(N)) : std::string();
}

int32_t FileAge(const std::string& Path) {
  struct stat Info {};
  if (!StatOf(Path, Info) || S_ISDIR(Info.st_mode))
    return -1;
  return UnixToLocalDosDateTime(Info.st_mtim.tv_sec);
}

bool FileAgeDateTime(const std::string& Path, TDateTime& Result) {
  struct stat Info {};
  if (!StatOf(Path, Info) || S_ISDIR(Info.st_mode))
    return false;
  Result = UnixToLocalDateTime(Info.st_mtim);
  return true;
}

bool FileSetDate(const std::string& Path, int32_t DosDateTime) {
  time_t Time;
  if (Path.empty() || !LocalDosDateTimeToUnix(DosDateTime, Time))
    return false;
  timespec Times[2] = {{0, UTIME_OMIT}, {Time, 0}};
  return utimensat(AT_FDCWD, Path.c_str(), Times, 0) == 0;
}

bool IsRemovableDrive(const std::string& Path) {
  // A path that does not exist yet lies on the device of its nearest existing folder.
  std::string Probe = Path.empty() ? "." : Path;
  struct stat Info {};
  while (stat(Probe.c_str(), &Info) != 0) {
    std::string Parent = WithoutTrailingDelimiter(ExtractFilePath(WithoutTrailingDelimiter(Probe)));
    if (Parent.empty())
      Parent = ".";
    if (Parent == Probe)
      return false;
    Probe = Parent;
  }
  std::string Device = "/sys/dev/block/" + std::to_string(major(Info.st_dev)) + ":" +
                       std::to_string(minor(Info.st_dev));
  // A partition's flag is held by the whole disk, its parent in sysfs.
  return ReadsOne(Device + "/removable") || ReadsOne(Device + "/../removable");
}
