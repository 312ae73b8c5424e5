#include <gtest/gtest.h>

#include <map>

#include "archive/XAExcept.h"

namespace {

TComponent Named(const std::string& Name) {
  TComponent Component;
  Component.Name = Name;
  return Component;
}

struct MessageCase {
  int32_t NativeError;
  std::vector<TXAFormatArg> Args;
  bool Formatted;
  const char* ComponentName;  // nullptr: no component
  int32_t ErrorCode;
  const char* Message;
  friend void PrintTo(const MessageCase& C, std::ostream* Out) {
    *Out << "native " << C.NativeError << (C.Formatted ? " formatted" : "");
  }
};

class XAExceptMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(XAExceptMessage, IsBuiltFromNameTextAndNumber) {
  const MessageCase& Case = GetParam();
  TComponent Component = Named(Case.ComponentName ? Case.ComponentName : "");
  const TComponent* Raiser = Case.ComponentName ? &Component : nullptr;
  EXAException E = Case.Formatted ? EXAException(Case.NativeError, Case.Args, Raiser)
                                   : EXAException(Case.NativeError, Raiser);
  EXPECT_EQ(E.ErrorCode, Case.ErrorCode);
  EXPECT_EQ(E.NativeError, Case.NativeError);
  EXPECT_STREQ(E.what(), Case.Message);
}

INSTANTIATE_TEST_SUITE_P(Cases, XAExceptMessage, testing::Values(
    MessageCase{8, {}, false, "Xanarc1", 4,
        "Xanarc1: Invalid size or check sum of file or unsupported compression format - Native error: 00008"},
    MessageCase{55, {}, false, nullptr, 32, "Deflate64 compression method is not supported - Native error: 00055"},
    MessageCase{61, {}, false, "Xanarc1", 0, "Xanarc1: Unknown error - Native error: 00061"},
    MessageCase{-1, {}, false, nullptr, 0, "Unknown error - Native error: 000-1"},
    MessageCase{19, {"C:\\dst\\a.txt"}, true, "Xanarc1", 9,
        "Xanarc1: Cannot create file \"C:\\dst\\a.txt\" - Native error: 00019"},
    MessageCase{19, {}, false, "Xanarc1", 9, "Xanarc1: Cannot create file \"%s\" - Native error: 00019"},
    MessageCase{20, {"/dst/sub/"}, true, "", 10, "Cannot create directory \"/dst/sub/\" - Native error: 00020"},
    MessageCase{28, {"a.zip"}, true, "Xanarc1", 15,
        "Xanarc1: In-memory archive can be created only - Native error: 00028"},
    MessageCase{34, {7, 9}, true, nullptr, 17,
        "Invalid compressed size, rfs.size = 7, count = 9 - Native error: 00034"},
    MessageCase{123456, {}, false, nullptr, 0, "Unknown error - Native error: 123456"}));

TEST(XAExcept, EveryNativeErrorMapsToItsCode) {
  // Grouped by error code; everything from 0 to 56 is listed once.
  const std::map<int32_t, std::vector<int32_t>> NativeErrorsByCode = {
      {0, {0}}, {1, {1, 2, 3, 4, 7, 16, 21, 24}}, {2, {5}}, {3, {6}}, {4, {8}}, {5, {9, 10, 29}},
      {6, {11, 12, 15, 18, 30, 31, 38, 42, 53, 54}}, {7, {13, 14}}, {8, {17}}, {9, {19, 23}}, {10, {20}},
      {11, {22, 25}}, {12, {33}}, {13, {26}}, {14, {27}}, {15, {28}}, {16, {32}}, {17, {34}}, {18, {35}},
      {19, {36}}, {20, {37}}, {21, {39}}, {22, {40}}, {23, {41, 43}}, {24, {44, 45}}, {25, {46}},
      {26, {47}}, {27, {48}}, {28, {49}}, {29, {50}}, {30, {51}}, {31, {52}}, {32, {55}}, {33, {56}}};
  int Listed = 0;
  for (const auto& [Code, NativeErrors] : NativeErrorsByCode)
    for (int32_t NativeError : NativeErrors) {
      EXPECT_EQ(XAErrorCodeOf(NativeError), Code) << "native error " << NativeError;
      ++Listed;
    }
  EXPECT_EQ(Listed, 57);
  EXPECT_EQ(XAErrorCodeOf(57), 0);
}

TEST(XAExcept, MessageTableHoldsEachTextAtItsCode) {
  const std::map<int32_t, const char*> Texts = {
      {0, "Unknown error"},
      {1, "Index out of bounds"},
      {6, "File \"%s\" not found"},
      {13, "Cannot proceed when update is not ended. Preceding EndUpdate call is required."},
      {18, "Invalid archive file."},
      {19, "Cannot create output file. Probably file is locked by another process. FileName = '%s'."},
      {20, "Archive is open. You should close it beore performing this operation."},
      {27, "Archive is damaged. Open failed"},
      {28, "MakeSFX is not allowed for splitted or spanned archives. Set SFXStub before archive creation "
           "instead of MakeSFX"},
      {31, "Multi-spanned archive is not allowed for modification. Use BeginUpdate/EndUpdate methods to add "
           "files several times"},
      {33, "MakeSFX error"}};
  for (const auto& [Code, Text] : Texts)
    EXPECT_STREQ(XAMessageText(Code), Text) << "error code " << Code;
}

TEST(XAExcept, IsCaughtAsTheGeneralFailure) {
  TComponent Component = Named("Xanarc1");
  try {
    throw EXAException(13, &Component);
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message, "Xanarc1: Archive is not open - Native error: 00013");
    return;
  }
  FAIL() << "not caught as Exception";
}

}  // namespace
