#pragma once
#include <cstdint>
#include <string>

#include "platform/DateTime.h"

// <windows.h> maps DeleteFile to DeleteFileA; this header's DeleteFile is its own.
#ifdef DeleteFile
#undef DeleteFile
#endif

// File attributes of the DOS family.
constexpr uint32_t faReadOnly = 0x01;
constexpr uint32_t faHidden = 0x02;
constexpr uint32_t faSysFile = 0x04;
constexpr uint32_t faVolumeID = 0x08;
constexpr uint32_t faDirectory = 0x10;
constexpr uint32_t faArchive = 0x20;
constexpr uint32_t faInvalid = 0xFFFFFFFF;

bool FileExists(const std::string& Path);       // a folder is not a file
bool DirectoryExists(const std::string& Path);
uint32_t FileGetAttr(const std::string& Path);  // faInvalid when it cannot be read
// On POSIX only read-only maps (to the write permission bits); with UnixMode the high 16 bits
// of Attr are a Unix mode whose permission bits are applied (items made on Unix).
bool FileSetAttr(const std::string& Path, uint32_t Attr, bool UnixMode = false);
bool DeleteFile(const std::string& Path);
// Gives Dest the permission bits of Source, writable by its owner (POSIX); Windows has none.
bool InheritFilePermissions(const std::string& Source, const std::string& Dest);
// Moves Source onto Dest, replacing Dest.
bool RenameFileReplace(const std::string& Source, const std::string& Dest);
bool ForceDirectories(const std::string& Path);  // creates the folder with all its parents
std::string GetCurrentDir();
std::string ExecutablePath();  // full path of the running executable

// Last-write time as a local DOS date and time (date in the high 16 bits), -1 when missing.
int32_t FileAge(const std::string& Path);
// Last-write time as a local date-time; false when the file is missing.
bool FileAgeDateTime(const std::string& Path, TDateTime& Result);
// Sets the last-write time from a DOS date and time read as local time.
bool FileSetDate(const std::string& Path, int32_t DosDateTime);

// True when the path's drive is "A:" or "B:", or the system reports it as removable.
bool IsRemovableDrive(const std::string& Path);
