// Writes one selected item below the base folder.
#include <atomic>
#include <cstdio>
#include <exception>
#include <memory>
#include <mutex>
#include <random>

#include "archive/SafePath.h"
#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/FileStream.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

constexpr uint32_t UnixFileTypeMask = 0170000;
constexpr uint32_t UnixRegularFile = 0100000;

bool IsFolderItem(const TDirItem& Item) {
  return (Item.ExternalAttr & faDirectory) != 0 ||
         (!Item.StoredName.empty() && Item.StoredName.back() == '/');
}

bool MadeOnUnix(const TDirItem& Item) { return (Item.MadeByVersion >> 8) == 3; }

// The Unix mode of the high 16 bits counts for a regular file made on Unix (or one whose mode
// carries no type); a symbolic link is written as a plain file with the default permissions.
bool AppliesUnixMode(const TDirItem& Item, uint32_t FileAttr) {
  const uint32_t mode = FileAttr >> 16;
  const uint32_t type = mode & UnixFileTypeMask;
  return MadeOnUnix(Item) && mode != 0 && (type == UnixRegularFile || type == 0);
}

// Other high bits of an item made on Unix are no file attributes.
uint32_t AttributesToSet(const TDirItem& Item, uint32_t FileAttr) {
  if (MadeOnUnix(Item) && !AppliesUnixMode(Item, FileAttr)) return FileAttr & 0xFFFF;
  return FileAttr;
}

bool PathIsFree(const std::string& Path) { return FileGetAttr(Path) == faInvalid; }

// A fresh name beside Path, so an existing file is replaced only by a complete item.
std::string TemporaryPathBeside(const std::string& Path) {
  static std::atomic<uint32_t> counter{std::random_device{}()};
  const std::string folder = ExtractFilePath(Path);
  for (int attempt = 0; attempt < 1000; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "~xa%08x.tmp", counter.fetch_add(0x9E3779B9u));
    std::string candidate = folder + name;
    if (PathIsFree(candidate)) return candidate;
  }
  return folder + "~xa.tmp";
}

// Asking the system for every file is costly; a folder's drive does not change within a run.
bool IsOnRemovableDrive(const std::string& Path) {
  static std::string lastFolder;
  static bool lastRemovable = false;
  std::lock_guard<std::recursive_mutex> lock(ProcessLock());
  const std::string folder = ExtractFilePath(Path);
  if (folder.empty() || folder != lastFolder) {
    lastRemovable = IsRemovableDrive(Path);
    lastFolder = folder;
  }
  return lastRemovable;
}

bool ShouldReplace(TXABaseArchiver& A, const TDirItem& Item, const std::string& Name, std::string& Path,
                   uint32_t ExistingAttr) {
  if (!A.Options.ReplaceReadOnly && (ExistingAttr & faReadOnly) != 0) return false;
  switch (A.Options.OverwriteMode) {
  case omPrompt: {
    bool confirm = false;
    A.DoConfirmOverwrite(Name, Path, confirm);
    return confirm;
  }
  case omAlways:
    return true;
  case omNever:
    return false;
  case omIfNewer:
    return Item.DosDateTime() > FileAge(Path);
  case omIfOlder:
    return Item.DosDateTime() < FileAge(Path);
  }
  return false;
}

void CreateFolder(TXABaseArchiver& A, const std::string& Folder) {
  if (Folder.empty() || DirectoryExists(Folder)) return;
  if (!ForceDirectories(Folder)) throw EXAException(20, {Folder}, &A);
}

// Moves the finished temporary file onto Path; the replaced file's permissions carry over.
void PlaceOutput(TXABaseArchiver& A, const std::string& Temporary, const std::string& Path) {
  const uint32_t oldAttr = FileGetAttr(Path);
  if (oldAttr != faInvalid) {
    InheritFilePermissions(Path, Temporary);
    FileSetAttr(Path, 0);
  }
  if (RenameFileReplace(Temporary, Path)) return;
  if (oldAttr != faInvalid) FileSetAttr(Path, oldAttr);
  DeleteFile(Temporary);
  throw EXAException(19, {Path}, &A);
}

// A new file is written in place; an existing one is replaced only once the item is complete.
void WriteOutput(TXABaseArchiver& A, int32_t Index, const TDirItem& Item, const std::string& Path,
                 uint32_t FileAttr) {
  const uint32_t existing = FileGetAttr(Path);
  if (existing != faInvalid && (existing & faDirectory) != 0) throw EXAException(19, {Path}, &A);
  const bool replacing = existing != faInvalid;
  const std::string target = replacing ? TemporaryPathBeside(Path) : Path;
  std::unique_ptr<TFileStream> output;
  try {
    output = std::make_unique<TFileStream>(target, fmCreate);
  } catch (const EStreamError&) {
    throw EXAException(19, {Path}, &A);
  }
  std::exception_ptr failure;
  A.SkipFile = false;
  try {
    A.DecodeItem(Index, *output);
  } catch (...) {
    failure = std::current_exception();
  }
  output->SetDosDateTime(Item.DosDateTime());
  if (A.Options.FlushBuffers && IsOnRemovableDrive(Path)) output->Flush();
  output.reset();
  if (failure || A.SkipFile || A.CancelRequested) {
    DeleteFile(target);
    if (failure) std::rethrow_exception(failure);
    return;
  }
  if (replacing) PlaceOutput(A, target, Path);
  if (A.Options.SetAttributes)
    FileSetAttr(Path, AttributesToSet(Item, FileAttr), AppliesUnixMode(Item, FileAttr));
}

}  // namespace

void TXABaseArchiver::ExtractItem(int32_t Index, const std::string& Name, const std::string& BaseFolder) {
  const TDirItem item = Directory->Items.ItemPtr(Index);
  std::string name = Name;
  std::string baseFolder = BaseFolder;
  uint32_t fileAttr = item.ExternalAttr;
  DoExtractFile(name, fileAttr, item.ItemComment);
  const bool storedName = name == ToPathDelim(Name);
  if (IsFullPath(name)) baseFolder.clear();
  if (storedName && IsUnsafeStoredName(name)) throw EXAException(19, {baseFolder + name}, this);

  if (Options.CreateDirs)
    CreateFolder(*this, baseFolder + ExtractFilePath(name));
  else
    name = ExtractFileName(name);
  if (IsFolderItem(item)) return;

  std::string path = baseFolder + name;
  const uint32_t existing = FileGetAttr(path);
  const bool fileThere = existing != faInvalid && (existing & faDirectory) == 0;
  if (fileThere && !ShouldReplace(*this, item, name, path, existing)) return;
  WriteOutput(*this, Index, item, path, fileAttr);
}
