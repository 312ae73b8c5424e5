#include "platform/FileStream.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/LocalDosTime.h"
#include "platform/posix/SystemError.h"

namespace {

int AccessFlags(uint16_t Mode) {
  if (Mode == fmCreate)
    return O_RDWR | O_CREAT;
  switch (Mode & 3) {
  case fmOpenWrite: return O_WRONLY;
  case fmOpenReadWrite: return O_RDWR;
  default: return O_RDONLY;
  }
}

// Advisory lock standing in for the share mode: readers that deny writing share the file,
// openers that share with no one hold it alone.
int LockKind(uint16_t Mode) {
  if (Mode == fmCreate)
    return LOCK_EX;
  switch (Mode & 0x70) {
  case fmShareDenyWrite: return LOCK_SH;
  case fmShareDenyNone: return LOCK_SH;
  default: return LOCK_EX;
  }
}

[[noreturn]] void RaiseOpenError(const std::string& FileName, uint16_t Mode, int Error) {
  std::string Reason = SystemErrorMessage(Error);
  if (Mode == fmCreate)
    throw EFCreateError("Cannot create file \"" + FileName + "\". " + Reason);
  throw EFOpenError("Cannot open file \"" + FileName + "\". " + Reason);
}

int OpenLocked(const std::string& FileName, uint16_t Mode) {
  int Fd = open(FileName.c_str(), AccessFlags(Mode) | O_CLOEXEC, 0666);
  if (Fd < 0)
    RaiseOpenError(FileName, Mode, errno);
  struct stat Info {};
  int Error = 0;
  if (fstat(Fd, &Info) != 0)
    Error = errno;
  else if (S_ISDIR(Info.st_mode))
    Error = EISDIR;
  else if (flock(Fd, LockKind(Mode) | LOCK_NB) != 0)
    Error = errno;
  // Truncate only once the lock is held, so a refused create loses nothing.
  else if (Mode == fmCreate && ftruncate(Fd, 0) != 0)
    Error = errno;
  if (Error != 0) {
    close(Fd);
    RaiseOpenError(FileName, Mode, Error);
  }
  return Fd;
}

int Fd(intptr_t Handle) { return static_cast<int>(Handle); }

}  // namespace

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode)
    : Name(FileName), Handle(OpenLocked(FileName, Mode)) {}

TFileStream::~TFileStream() {
  close(Fd(Handle));
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  int64_t Done = 0;
  while (Done < Count) {
    ssize_t N = read(Fd(Handle), static_cast<char*>(Buffer) + Done, static_cast<size_t>(Count - Done));
    if (N < 0 && errno == EINTR)
      continue;
    if (N <= 0)
      break;
    Done += N;
  }
  return Done;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  int64_t Done = 0;
  while (Done < Count) {
    ssize_t N = write(Fd(Handle), static_cast<const char*>(Buffer) + Done, static_cast<size_t>(Count - Done));
    if (N < 0 && errno == EINTR)
      continue;
    if (N <= 0)
      break;
    Done += N;
  }
  return Done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int Whence = Origin == TSeekOrigin::soBeginning ? SEEK_SET : Origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
  return lseek(Fd(Handle), static_cast<off_t>(Offset), Whence);
}

void TFileStream::SetSize(int64_t NewSize) {
  if (NewSize < 0 || ftruncate(Fd(Handle), static_cast<off_t>(NewSize)) != 0)
    throw EWriteError("Stream write error");
  Seek(NewSize, TSeekOrigin::soBeginning);
}

bool TFileStream::SetDosDateTime(int32_t DosDateTime) {
  time_t Time;
  if (!LocalDosDateTimeToUnix(DosDateTime, Time))
    return false;
  timespec Times[2] = {{0, UTIME_OMIT}, {Time, 0}};
  return futimens(Fd(Handle), Times) == 0;
}

bool TFileStream::Flush() {
  return fsync(Fd(Handle)) == 0;
}
