#include "platform/FileStream.h"

#include <windows.h>

#include "platform/win32/LocalDosTime.h"
#include "platform/win32/SystemError.h"

namespace {

DWORD AccessOf(uint16_t Mode) {
  if (Mode == fmCreate)
    return GENERIC_READ | GENERIC_WRITE;
  switch (Mode & 3) {
  case fmOpenWrite: return GENERIC_WRITE;
  case fmOpenReadWrite: return GENERIC_READ | GENERIC_WRITE;
  default: return GENERIC_READ;
  }
}

DWORD ShareOf(uint16_t Mode) {
  if (Mode == fmCreate)
    return 0;
  switch (Mode & 0x70) {
  case fmShareDenyWrite: return FILE_SHARE_READ;
  case fmShareDenyRead: return FILE_SHARE_WRITE;
  case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
  default: return 0;
  }
}

intptr_t OpenHandle(const std::string& FileName, uint16_t Mode) {
  HANDLE File = CreateFileA(FileName.c_str(), AccessOf(Mode), ShareOf(Mode), nullptr,
                            Mode == fmCreate ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File != INVALID_HANDLE_VALUE)
    return reinterpret_cast<intptr_t>(File);
  std::string Reason = SystemErrorMessage(GetLastError());
  if (Mode == fmCreate)
    throw EFCreateError("Cannot create file \"" + FileName + "\". " + Reason);
  throw EFOpenError("Cannot open file \"" + FileName + "\". " + Reason);
}

HANDLE Native(intptr_t Handle) { return reinterpret_cast<HANDLE>(Handle); }

}  // namespace

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode)
    : Name(FileName), Handle(OpenHandle(FileName, Mode)) {}

TFileStream::~TFileStream() {
  CloseHandle(Native(Handle));
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  int64_t Done = 0;
  while (Done < Count) {
    DWORD Chunk = static_cast<DWORD>(Count - Done > 0x40000000 ? 0x40000000 : Count - Done), N = 0;
    if (!ReadFile(Native(Handle), static_cast<char*>(Buffer) + Done, Chunk, &N, nullptr) || N == 0)
      break;
    Done += N;
  }
  return Done;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  int64_t Done = 0;
  while (Done < Count) {
    DWORD Chunk = static_cast<DWORD>(Count - Done > 0x40000000 ? 0x40000000 : Count - Done), N = 0;
    if (!WriteFile(Native(Handle), static_cast<const char*>(Buffer) + Done, Chunk, &N, nullptr) || N == 0)
      break;
    Done += N;
  }
  return Done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  DWORD Method = Origin == TSeekOrigin::soBeginning ? FILE_BEGIN : Origin == TSeekOrigin::soCurrent ? FILE_CURRENT : FILE_END;
  LARGE_INTEGER Distance, Result;
  Distance.QuadPart = Offset;
  if (!SetFilePointerEx(Native(Handle), Distance, &Result, Method))
    return -1;
  return Result.QuadPart;
}

void TFileStream::SetSize(int64_t NewSize) {
  if (NewSize < 0 || Seek(NewSize, TSeekOrigin::soBeginning) != NewSize || !SetEndOfFile(Native(Handle)))
    throw EWriteError("Stream write error");
}

bool TFileStream::SetDosDateTime(int32_t DosDateTime) {
  FILETIME Time;
  return LocalDosDateTimeToFileTime(DosDateTime, Time) && SetFileTime(Native(Handle), nullptr, nullptr, &Time);
}

bool TFileStream::Flush() {
  return FlushFileBuffers(Native(Handle));
}
