#pragma once
// Shared set-up of the decoding tests: an archive written to a temporary file and opened by a
// component that records its progress reports.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/FileStream.h"
#include "platform/Stream.h"
#include "support/NativeError.h"
#include "support/TempDir.h"
#include "support/ZipBuilder.h"

namespace test {

class TRecordingArchiver : public TXanarc {
public:
  void DoFileProgress(const std::string& Name, TXAProcessOperation, double Progress, TXAProgressPhase Phase) override {
    EXPECT_EQ(Phase, ppProcess);
    ProgressName = Name;
    FileProgress.push_back(Progress);
    if (CancelAtReport == FileProgress.size()) CancelRequested = true;
  }
  void DoOverallProgress(TXAProcessOperation, TXAProgressPhase Phase, double Progress) override {
    EXPECT_EQ(Phase, ppProcess);
    OverallProgress.push_back(Progress);
  }
  std::string ProgressName;
  std::vector<double> FileProgress;
  std::vector<double> OverallProgress;
  size_t CancelAtReport = 0;  // 0: never
};

inline std::string Bytes(TMemoryStream& Stream) {
  return std::string(reinterpret_cast<const char*>(Stream.Memory()), size_t(Stream.Size()));
}

inline std::string FixturePath(const std::string& Name) {
  return std::string(VELANTO_SOURCE_DIR) + "/tests/fixtures/decode/" + Name;
}

inline std::string ReadFixture(const std::string& Name) { return TempDir::Read(FixturePath(Name)); }

class DecodeTest : public ::testing::Test {
protected:
  void SetUp() override { Archiver.Name = "Xanarc1"; }
  void Open(const std::string& ArchiveBytes) {
    Archiver.CloseArchive();
    Archiver.FileName = Dir.Write("item.zip", ArchiveBytes);
    Archiver.OpenArchive(fmOpenRead | fmShareDenyWrite);
  }
  // Decodes item Index; the output is what was written, also when an error was raised.
  std::string Decode(int32_t Index = 0) {
    TMemoryStream out;
    try {
      Archiver.DecodeItem(Index, out);
    } catch (const EXAException&) {
      LastOutput = Bytes(out);
      throw;
    }
    return Bytes(out);
  }
  int32_t DecodeError(int32_t Index = 0) {
    return NativeErrorOf([&] { Decode(Index); });
  }

  TempDir Dir;
  TRecordingArchiver Archiver;
  std::string LastOutput;
};

}  // namespace test
