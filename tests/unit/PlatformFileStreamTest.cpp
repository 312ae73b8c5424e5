#include <gtest/gtest.h>

#include <memory>

#include "platform/FileStream.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace {

std::string ReadAll(TFileStream& Stream) {
  std::string Bytes(static_cast<size_t>(Stream.Size()), '\0');
  Stream.SetPosition(0);
  Stream.ReadBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  return Bytes;
}

TEST(PlatformFileStream, CreateTruncatesWritesAndReadsBack) {
  test::TempDir Dir;
  std::string Path = Dir.Write("f.bin", "old contents that are longer");
  {
    TFileStream Out(Path, fmCreate);
    Out.WriteBuffer("new", 3);
    EXPECT_EQ(Out.FileName(), Path);
    EXPECT_TRUE(Out.Flush());
  }
  TFileStream In(Path, fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(ReadAll(In), "new");
  char Byte;
  EXPECT_EQ(In.Read(&Byte, 1), 0);
  EXPECT_EQ(In.Write("x", 1), 0);  // opened for reading only
  EXPECT_THROW(In.WriteBuffer("x", 1), EWriteError);
}

TEST(PlatformFileStream, SeekAndSetSize) {
  test::TempDir Dir;
  TFileStream File(Dir.Path("f.bin"), fmCreate);
  File.WriteBuffer("0123456789", 10);
  EXPECT_EQ(File.Seek(-3, TSeekOrigin::soEnd), 7);
  EXPECT_EQ(File.Seek(1, TSeekOrigin::soCurrent), 8);
  File.SetSize(4);
  EXPECT_EQ(File.Size(), 4);
  EXPECT_EQ(ReadAll(File), "0123");
  File.SetPosition(6);  // writing past the end fills the gap
  File.WriteBuffer("x", 1);
  EXPECT_EQ(ReadAll(File), std::string("0123\0\0x", 7));
}

TEST(PlatformFileStream, OpenErrorsNameTheFileAndTheSystemsReason) {
  test::TempDir Dir;
  std::string Missing = Dir.Path("missing.zip");
  try {
    TFileStream File(Missing, fmOpenRead | fmShareDenyWrite);
    FAIL() << "opened";
  } catch (const EFOpenError& E) {
    std::string Prefix = "Cannot open file \"" + Missing + "\". ";
    EXPECT_EQ(E.Message.rfind(Prefix, 0), 0u) << E.Message;
    EXPECT_GT(E.Message.size(), Prefix.size()) << "no reason given";
  }
  std::string InMissingFolder = Dir.Path("no/such/f.bin");
  try {
    TFileStream File(InMissingFolder, fmCreate);
    FAIL() << "created";
  } catch (const EFCreateError& E) {
    EXPECT_EQ(E.Message.rfind("Cannot create file \"" + InMissingFolder + "\". ", 0), 0u) << E.Message;
  }
  EXPECT_THROW(TFileStream(Dir.Path(), fmOpenRead | fmShareDenyNone), EFOpenError);  // a folder
}

struct ShareCase {
  uint16_t First;
  uint16_t Second;
  bool SecondOpens;
  friend void PrintTo(const ShareCase& C, std::ostream* Out) {
    *Out << std::hex << "0x" << C.First << " then 0x" << C.Second;
  }
};

class PlatformFileShare : public testing::TestWithParam<ShareCase> {};

TEST_P(PlatformFileShare, SecondOpenerIsAdmittedByTheFirstsShareMode) {
  const ShareCase& Case = GetParam();
  test::TempDir Dir;
  std::string Path = Dir.Write("f.bin", "keep me");
  auto First = std::make_unique<TFileStream>(Path, Case.First);
  if (Case.SecondOpens) {
    EXPECT_NO_THROW(TFileStream(Path, Case.Second));
  } else {
    EXPECT_THROW(TFileStream(Path, Case.Second), EStreamError);
    if (Case.First != fmCreate) {
      EXPECT_EQ(test::TempDir::Read(Path), "keep me") << "a refused create lost the contents";
    }
  }
  First.reset();
  EXPECT_NO_THROW(TFileStream(Path, Case.Second)) << "released on close";
}

INSTANTIATE_TEST_SUITE_P(Modes, PlatformFileShare, testing::Values(
    ShareCase{fmOpenRead | fmShareDenyWrite, fmOpenRead | fmShareDenyWrite, true},
    ShareCase{fmOpenRead | fmShareDenyWrite, fmCreate, false},
    ShareCase{fmOpenRead | fmShareDenyWrite, fmOpenRead | fmShareDenyNone, true},
    ShareCase{fmOpenReadWrite | fmShareDenyWrite, fmCreate, false},
    ShareCase{fmOpenRead | fmShareDenyNone, fmOpenRead | fmShareDenyNone, true},
    ShareCase{fmOpenRead | fmShareDenyNone, fmCreate, false},
    ShareCase{fmCreate, fmOpenRead | fmShareDenyWrite, false},
    ShareCase{fmCreate, fmCreate, false}));

TEST(PlatformFileStream, SetDosDateTimeSetsTheLastWriteTime) {
  test::TempDir Dir;
  std::string Path = Dir.Path("f.bin");
  const int32_t Dos = static_cast<int32_t>(0x5A8E6C9Du);  // 14 April 2025 13:36:58
  {
    TFileStream File(Path, fmCreate);
    File.WriteBuffer("x", 1);
    EXPECT_TRUE(File.SetDosDateTime(Dos));
    EXPECT_FALSE(File.SetDosDateTime(0x00206000));  // day 0, hour 12
  }
  EXPECT_EQ(FileAge(Path), Dos);
}

}  // namespace
