#include <gtest/gtest.h>

#include "platform/Paths.h"

namespace {

struct PathCase {
  const char* FileName;
  const char* Path;
  const char* Name;
  const char* Ext;
  const char* Drive;
  friend void PrintTo(const PathCase& C, std::ostream* Out) { *Out << '"' << C.FileName << '"'; }
};

class PlatformPaths : public testing::TestWithParam<PathCase> {};

TEST_P(PlatformPaths, SplitIntoPartsAtTheLastDelimiter) {
  const PathCase& Case = GetParam();
  EXPECT_EQ(ExtractFilePath(Case.FileName), Case.Path);
  EXPECT_EQ(ExtractFileName(Case.FileName), Case.Name);
  EXPECT_EQ(ExtractFileExt(Case.FileName), Case.Ext);
  EXPECT_EQ(ExtractFileDrive(Case.FileName), Case.Drive);
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Windows, PlatformPaths, testing::Values(
    PathCase{"C:\\dst\\a.txt", "C:\\dst\\", "a.txt", ".txt", "C:"},
    PathCase{"C:a.txt", "C:", "a.txt", ".txt", "C:"},
    PathCase{"\\\\server\\share\\dir\\f.tar.gz", "\\\\server\\share\\dir\\", "f.tar.gz", ".gz", "\\\\server\\share"},
    PathCase{"\\\\server\\share", "\\\\server\\", "share", "", "\\\\server\\share"},
    PathCase{"dir.d\\noext", "dir.d\\", "noext", "", ""},
    PathCase{"a/b.txt", "", "a/b.txt", ".txt", ""},
    PathCase{"", "", "", "", ""}));
#else
INSTANTIATE_TEST_SUITE_P(Posix, PlatformPaths, testing::Values(
    PathCase{"/dst/a.txt", "/dst/", "a.txt", ".txt", ""},
    PathCase{"C:a.txt", "", "C:a.txt", ".txt", ""},
    PathCase{"dir.d/noext", "dir.d/", "noext", "", ""},
    PathCase{"a\\b.txt", "", "a\\b.txt", ".txt", ""},
    PathCase{"/dst/", "/dst/", "", "", ""},
    PathCase{".profile", "", ".profile", ".profile", ""},
    PathCase{"", "", "", "", ""}));
#endif

TEST(PlatformPaths, ChangeFileExtReplacesOnlyTheNamesExtension) {
  const std::string D(1, PathDelim);
  EXPECT_EQ(ChangeFileExt("a" + D + "b.zip", ".z01"), "a" + D + "b.z01");
  EXPECT_EQ(ChangeFileExt("a.d" + D + "b", ".z01"), "a.d" + D + "b.z01");
  EXPECT_EQ(ChangeFileExt("b.tar.gz", ""), "b.tar");
}

TEST(PlatformPaths, IncludeTrailingPathDelimiterAddsItOnce) {
  const std::string D(1, PathDelim);
  EXPECT_EQ(IncludeTrailingPathDelimiter("dst"), "dst" + D);
  EXPECT_EQ(IncludeTrailingPathDelimiter("dst" + D), "dst" + D);
  EXPECT_EQ(IncludeTrailingPathDelimiter(""), D);
}

}  // namespace
