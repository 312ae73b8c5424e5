#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "platform/Files.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

namespace {

TEST(PlatformFiles, ExistenceTellsFilesFromFolders) {
  test::TempDir Dir;
  std::string File = Dir.Write("f.txt", "x");
  EXPECT_TRUE(FileExists(File));
  EXPECT_FALSE(DirectoryExists(File));
  EXPECT_TRUE(DirectoryExists(Dir.Path()));
  EXPECT_FALSE(FileExists(Dir.Path()));
  EXPECT_FALSE(FileExists(Dir.Path("missing")));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(DirectoryExists(""));
}

TEST(PlatformFiles, ForceDirectoriesCreatesEveryParent) {
  test::TempDir Dir;
  std::string Deep = Dir.Path("a") + PathDelim + "b" + PathDelim + "c" + PathDelim;
  EXPECT_TRUE(ForceDirectories(Deep));
  EXPECT_TRUE(DirectoryExists(Deep));
  EXPECT_TRUE(ForceDirectories(Deep));  // already there
  std::string File = Dir.Write("blocker", "x");
  EXPECT_FALSE(ForceDirectories(File + PathDelim + "sub"));
  EXPECT_TRUE(FileExists(File));
  EXPECT_FALSE(ForceDirectories(""));
}

TEST(PlatformFiles, DeleteAndRenameReplacing) {
  test::TempDir Dir;
  std::string Source = Dir.Write("new.txt", "new");
  std::string Dest = Dir.Write("old.txt", "old");
  EXPECT_TRUE(RenameFileReplace(Source, Dest));
  EXPECT_FALSE(FileExists(Source));
  EXPECT_EQ(test::TempDir::Read(Dest), "new");
  EXPECT_TRUE(DeleteFile(Dest));
  EXPECT_FALSE(FileExists(Dest));
  EXPECT_FALSE(DeleteFile(Dest));
  EXPECT_FALSE(DeleteFile(Dir.Path()));  // a folder is not deleted as a file
  EXPECT_TRUE(DirectoryExists(Dir.Path()));
}

TEST(PlatformFiles, ReadOnlyAttributeSetsAndClears) {
  test::TempDir Dir;
  std::string File = Dir.Write("f.txt", "x");
  EXPECT_EQ(FileGetAttr(File) & (faReadOnly | faDirectory), 0u);
  EXPECT_TRUE(FileSetAttr(File, faReadOnly | faArchive));
  EXPECT_EQ(FileGetAttr(File) & faReadOnly, faReadOnly);
  EXPECT_TRUE(FileSetAttr(File, 0));
  EXPECT_EQ(FileGetAttr(File) & faReadOnly, 0u);
  EXPECT_EQ(FileGetAttr(Dir.Path()) & faDirectory, faDirectory);
  EXPECT_EQ(FileGetAttr(Dir.Path("missing")), faInvalid);
  EXPECT_FALSE(FileSetAttr(Dir.Path("missing"), 0));
}

#ifndef _WIN32
mode_t PermissionsOf(const std::string& Path) {
  struct stat Info {};
  stat(Path.c_str(), &Info);
  return Info.st_mode & 07777;
}

TEST(PlatformFiles, PosixAttributesKeepOrApplyPermissionBits) {
  test::TempDir Dir;
  std::string File = Dir.Write("tool", "#!/bin/sh\n");
  chmod(File.c_str(), 0755);
  EXPECT_TRUE(FileSetAttr(File, faReadOnly));
  EXPECT_EQ(PermissionsOf(File), 0555u);  // only the write bits go
  EXPECT_TRUE(FileSetAttr(File, faArchive));
  EXPECT_EQ(PermissionsOf(File), 0755u);  // an executable stays executable
  EXPECT_TRUE(FileSetAttr(File, (0100640u << 16) | faArchive, true));
  EXPECT_EQ(PermissionsOf(File), 0640u);
  EXPECT_TRUE(FileSetAttr(File, (0104777u << 16) | faReadOnly, true));
  EXPECT_EQ(PermissionsOf(File), 0555u) << "set-user-id is not taken from an archive";
}
#endif

// Summer time must follow the date written, not the day of the test.
class PlatformFileTimes : public testing::Test {
protected:
  void SetUp() override {
#ifndef _WIN32
    const char* Old = std::getenv("TZ");
    OldTz = Old ? Old : "";
    HadTz = Old != nullptr;
    setenv("TZ", "Europe/Paris", 1);
    tzset();
#endif
  }
  void TearDown() override {
#ifndef _WIN32
    if (HadTz)
      setenv("TZ", OldTz.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
#endif
  }
  std::string OldTz;
  bool HadTz = false;
};

int32_t Dos(int Year, int Month, int Day, int Hour, int Minute, int Second) {
  return static_cast<int32_t>(static_cast<uint32_t>((Year - 1980) << 9 | Month << 5 | Day) << 16 |
                              (Hour << 11 | Minute << 5 | Second / 2));
}

TEST_F(PlatformFileTimes, DosTimeRoundTripsInSummerAndWinter) {
  test::TempDir Dir;
  std::string File = Dir.Write("f.txt", "x");
  for (int32_t Written : {Dos(2023, 7, 14, 12, 34, 56), Dos(2023, 1, 15, 8, 0, 0), Dos(2024, 10, 27, 23, 59, 58)}) {
    ASSERT_TRUE(FileSetDate(File, Written));
    EXPECT_EQ(FileAge(File), Written);
    TDateTime Age = 0;
    ASSERT_TRUE(FileAgeDateTime(File, Age));
    EXPECT_DOUBLE_EQ(Age, DosDateTimeToDateTime(Written));
  }
}

// The moment stored for a local DOS time, in UTC.
std::string UtcWriteTime(const std::string& Path) {
  char Text[32];
#ifdef _WIN32
  WIN32_FILE_ATTRIBUTE_DATA Data;
  SYSTEMTIME Utc{};
  if (GetFileAttributesExA(Path.c_str(), GetFileExInfoStandard, &Data))
    FileTimeToSystemTime(&Data.ftLastWriteTime, &Utc);
  std::snprintf(Text, sizeof Text, "%04d-%02d-%02d %02d:%02d:%02d", Utc.wYear, Utc.wMonth, Utc.wDay, Utc.wHour,
                Utc.wMinute, Utc.wSecond);
#else
  struct stat Info {};
  stat(Path.c_str(), &Info);
  tm Utc{};
  gmtime_r(&Info.st_mtime, &Utc);
  strftime(Text, sizeof Text, "%Y-%m-%d %H:%M:%S", &Utc);
#endif
  return Text;
}

bool ZoneIsCentralEuropean() {
#ifdef _WIN32
  // Wine takes its zone from TZ, which the test run sets.
  TIME_ZONE_INFORMATION Zone;
  return GetTimeZoneInformation(&Zone) != TIME_ZONE_ID_INVALID && Zone.Bias == -60 && Zone.DaylightBias == -60;
#else
  return true;
#endif
}

TEST_F(PlatformFileTimes, LocalTimeUsesTheZonesOffsetOfThatDate) {
  if (!ZoneIsCentralEuropean())
    GTEST_SKIP() << "the process does not run in Central European time";
  test::TempDir Dir;
  std::string File = Dir.Write("f.txt", "x");
  struct Case { int32_t Local; const char* Utc; };
  for (Case C : {Case{Dos(2023, 7, 14, 12, 0, 0), "2023-07-14 10:00:00"},
                 Case{Dos(2023, 1, 15, 12, 0, 0), "2023-01-15 11:00:00"}}) {
    ASSERT_TRUE(FileSetDate(File, C.Local));
    EXPECT_EQ(UtcWriteTime(File), C.Utc);
  }
}

TEST(PlatformFiles, TimesOfMissingFilesAndInvalidDates) {
  test::TempDir Dir;
  TDateTime Age = 0;
  EXPECT_EQ(FileAge(Dir.Path("missing")), -1);
  EXPECT_FALSE(FileAgeDateTime(Dir.Path("missing"), Age));
  EXPECT_FALSE(FileSetDate(Dir.Path("missing"), Dos(2023, 7, 14, 12, 0, 0)));
  std::string File = Dir.Write("f.txt", "x");
  EXPECT_FALSE(FileSetDate(File, Dos(2023, 13, 1, 12, 0, 0)));
  EXPECT_FALSE(FileSetDate(File, Dos(2023, 2, 30, 12, 0, 0)));
  EXPECT_FALSE(FileSetDate(File, Dos(2023, 2, 3, 24, 0, 0)));
}

TEST(PlatformFiles, CurrentDirAndExecutable) {
  EXPECT_EQ(GetCurrentDir(), std::filesystem::current_path().string());
  std::string Exe = ExecutablePath();
  EXPECT_TRUE(FileExists(Exe)) << Exe;
  EXPECT_EQ(ChangeFileExt(ExtractFileName(Exe), ""), "unit_tests");
}

TEST(PlatformFiles, RemovableDrives) {
  test::TempDir Dir;
  EXPECT_FALSE(IsRemovableDrive(Dir.Path("f.txt")));
  EXPECT_FALSE(IsRemovableDrive(Dir.Path("no/such/folder/f.txt")));
#ifdef _WIN32
  EXPECT_TRUE(IsRemovableDrive("A:\\setup.zip"));
  EXPECT_TRUE(IsRemovableDrive("b:\\setup.zip"));
  EXPECT_FALSE(IsRemovableDrive("C:\\setup.zip"));
#else
  EXPECT_FALSE(IsRemovableDrive("A:/setup.zip")) << "no drive letters here";
#endif
}

}  // namespace
