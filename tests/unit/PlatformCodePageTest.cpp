#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/Memory.h"

namespace {

// Expected texts are written as literals: the build compiles them to the platform's ANSI code page.
TEST(PlatformCodePage, OemNamesBecomeAnsi) {
  EXPECT_EQ(OemToAnsi("r\x82sum\x82.txt"), "résumé.txt");
  EXPECT_EQ(OemToAnsi("\x81\x87\x8A"), "üçè");
  EXPECT_EQ(OemToAnsi("plain/ascii.txt"), "plain/ascii.txt");
  EXPECT_EQ(OemToAnsi(""), "");
}

TEST(PlatformCodePage, Utf8NamesBecomeAnsi) {
  EXPECT_EQ(Utf8ToAnsi("r\xC3\xA9sum\xC3\xA9.txt"), "résumé.txt");
  EXPECT_EQ(Utf8ToAnsi("plain.txt"), "plain.txt");
  EXPECT_EQ(Utf8ToAnsi(""), "");
}

TEST(PlatformMemory, AvailablePhysicalMemoryIsReported) {
  EXPECT_GT(AvailablePhysicalMemory(), 1024u * 1024u);
}

}  // namespace
