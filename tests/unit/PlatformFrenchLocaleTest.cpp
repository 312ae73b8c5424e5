#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include "platform/CodePage.h"
#include "platform/FormatSettings.h"

namespace {

// Run by the Wine build with LANG=fr_FR.UTF-8, which gives a French user locale.
TEST(PlatformFrenchLocale, ShortDateFormatAndOemCodePageComeFromTheLocale) {
  if (PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) != LANG_FRENCH)
    GTEST_SKIP() << "the user locale is not French";
  EXPECT_EQ(FormatSettings().ShortDateFormat, "dd/MM/yyyy");
  EXPECT_EQ(FormatSettings().DateSeparator, '/');
  EXPECT_EQ(GetOEMCP(), 850u);
  EXPECT_EQ(OemToAnsi("\x9B\x82"), "øé");  // 0x9B is "¢" in the American OEM code page
}

}  // namespace
#endif
