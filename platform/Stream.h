#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Exception.h"

// Stream failures of the platform: a type of their own, distinct from the archive component's.
class EStreamError : public Exception { using Exception::Exception; };
class EFOpenError : public EStreamError { using EStreamError::EStreamError; };
class EFCreateError : public EStreamError { using EStreamError::EStreamError; };
class EReadError : public EStreamError { using EStreamError::EStreamError; };
class EWriteError : public EStreamError { using EStreamError::EStreamError; };

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
  virtual ~TStream() = default;
  // Read and Write return the number of bytes moved (short on end of data or failure).
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
  virtual int64_t Size();
  virtual void SetSize(int64_t NewSize) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, TSeekOrigin::soBeginning); }
  // Whole-buffer forms: raise EReadError ("Stream read error") or EWriteError when short.
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  // Copies Count bytes from Source's position (Count 0: the whole Source from its start).
  int64_t CopyFrom(TStream& Source, int64_t Count);
};

class TMemoryStream : public TStream {
public:
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return static_cast<int64_t>(Data.size()); }
  void SetSize(int64_t NewSize) override;
  void Clear();
  const uint8_t* Memory() const { return Data.data(); }

private:
  std::vector<uint8_t> Data;
  int64_t Pos = 0;
};
