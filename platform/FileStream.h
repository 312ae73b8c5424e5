#pragma once
#include <cstdint>
#include <string>

#include "platform/Stream.h"

// 16-bit file modes: access in the low bits, sharing in bits 4 to 6; fmCreate creates or
// truncates the file, opened for reading and writing and shared with no one.
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;
constexpr uint16_t fmCreate = 0xFFFF;

class TFileStream : public TStream {
public:
  // Raises EFOpenError (or EFCreateError for fmCreate) with the system's message.
  TFileStream(const std::string& FileName, uint16_t Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(int64_t NewSize) override;

  // Sets the last-write time from a DOS date (high 16 bits) and time (low 16), read as local
  // time; returns whether the system accepted it.
  bool SetDosDateTime(int32_t DosDateTime);
  // Flushes the file's buffers to the device.
  bool Flush();
  const std::string& FileName() const { return Name; }

private:
  std::string Name;
  intptr_t Handle;  // HANDLE on Windows, file descriptor on POSIX
};
