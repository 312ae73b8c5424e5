#include <gtest/gtest.h>

#include <string>

#include "platform/Component.h"
#include "platform/Stream.h"

namespace {

std::string Contents(TMemoryStream& Stream) {
  return std::string(reinterpret_cast<const char*>(Stream.Memory()), static_cast<size_t>(Stream.Size()));
}

TMemoryStream StreamOf(const std::string& Bytes) {
  TMemoryStream Stream;
  Stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  Stream.SetPosition(0);
  return Stream;
}

TEST(PlatformStream, MemoryStreamReadsWritesAndSeeks) {
  TMemoryStream Stream;
  EXPECT_EQ(Stream.Write("abcdef", 6), 6);
  EXPECT_EQ(Stream.Seek(-2, TSeekOrigin::soEnd), 4);
  EXPECT_EQ(Stream.Write("XYZ", 3), 3);  // overwrites two bytes and grows by one
  EXPECT_EQ(Contents(Stream), "abcdXYZ");
  Stream.SetPosition(5);
  char Buffer[8] = {};
  EXPECT_EQ(Stream.Read(Buffer, 8), 2);  // short at the end
  EXPECT_EQ(std::string(Buffer, 2), "YZ");
  EXPECT_EQ(Stream.Read(Buffer, 8), 0);
  Stream.SetPosition(10);  // a write past the end fills the gap with zeros
  Stream.Write("!", 1);
  EXPECT_EQ(Contents(Stream), std::string("abcdXYZ\0\0\0!", 11));
}

TEST(PlatformStream, SetSizeCutsAndKeepsThePositionInside) {
  TMemoryStream Stream = StreamOf("abcdef");
  Stream.SetPosition(5);
  Stream.SetSize(3);
  EXPECT_EQ(Stream.Position(), 3);
  EXPECT_EQ(Contents(Stream), "abc");
  Stream.Clear();
  EXPECT_EQ(Stream.Size(), 0);
  EXPECT_EQ(Stream.Position(), 0);
}

TEST(PlatformStream, ReadBufferRaisesWhenShortAndLeavesNothingHalfDone) {
  TMemoryStream Stream = StreamOf("abc");
  char Buffer[4];
  try {
    Stream.ReadBuffer(Buffer, 4);
    FAIL() << "no error";
  } catch (const EReadError& E) {
    EXPECT_EQ(E.Message, "Stream read error");
  }
  Stream.SetPosition(0);
  Stream.ReadBuffer(Buffer, 3);
  EXPECT_EQ(std::string(Buffer, 3), "abc");
}

TEST(PlatformStream, CopyFromWholeSourceOrPart) {
  TMemoryStream Source = StreamOf(std::string(100000, 'x') + "end");
  Source.SetPosition(50);
  TMemoryStream Whole;
  EXPECT_EQ(Whole.CopyFrom(Source, 0), 100003);  // 0: from the start, whatever the position
  EXPECT_EQ(Contents(Whole), Contents(Source));

  Source.SetPosition(99999);
  TMemoryStream Part;
  EXPECT_EQ(Part.CopyFrom(Source, 4), 4);
  EXPECT_EQ(Contents(Part), "xend");
  EXPECT_THROW(Part.CopyFrom(Source, 1), EReadError);  // nothing left
}

TEST(PlatformStream, StreamErrorsAreTheirOwnKind) {
  try {
    throw EWriteError("Stream write error");
  } catch (const EStreamError& E) {
    EXPECT_EQ(std::string(E.what()), "Stream write error");
  }
}

TEST(PlatformComponent, DefaultAssignRefuses) {
  TComponent A, B;
  try {
    A.Assign(B);
    FAIL() << "no error";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message.rfind("Cannot assign ", 0), 0u) << E.Message;
    EXPECT_NE(E.Message.find("TComponent"), std::string::npos) << E.Message;
  }
}

}  // namespace
