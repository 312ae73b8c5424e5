#include <gtest/gtest.h>

#include "app/Settings.h"

namespace {

struct TFolderCase {
  const char* Executable;
  const char* Folder;
  const char* ArchivePath;
  const char* TargetPath;
};

#ifdef _WIN32
const TFolderCase FolderCases[] = {
    {"C:\\Prog\\maj.exe", "C:\\Prog\\", "C:\\Prog\\velanto-as.zip", "C:\\Prog\\velanto.exe"},
    {"D:\\Mes logiciels\\Velanto\\maj.exe", "D:\\Mes logiciels\\Velanto\\",
     "D:\\Mes logiciels\\Velanto\\velanto-as.zip", "D:\\Mes logiciels\\Velanto\\velanto.exe"},
    // A drive-relative path: ":" ends the folder part too.
    {"E:maj.exe", "E:", "E:velanto-as.zip", "E:velanto.exe"},
};
#else
const TFolderCase FolderCases[] = {
    {"/opt/maj/maj", "/opt/maj/", "/opt/maj/velanto-as.zip", "/opt/maj/velanto.exe"},
    {"/maj", "/", "/velanto-as.zip", "/velanto.exe"},
    // ":" is an ordinary character here.
    {"/home/u/C:prog/maj", "/home/u/C:prog/", "/home/u/C:prog/velanto-as.zip", "/home/u/C:prog/velanto.exe"},
};
#endif

TEST(Settings, FolderAndPathsFollowTheExecutable) {
  for (const TFolderCase& c : FolderCases) {
    TUpdateSettings s = MakeUpdateSettings(c.Executable);
    EXPECT_EQ(s.UpdaterFolder, c.Folder) << c.Executable;
    EXPECT_EQ(s.ArchivePath, c.ArchivePath) << c.Executable;
    EXPECT_EQ(s.TargetPath(), c.TargetPath) << c.Executable;
  }
}

TEST(Settings, NamesAndAddressesOfTheRelease) {
  TUpdateSettings s = MakeUpdateSettings("/x/maj");
  EXPECT_EQ(s.TargetExeName, "velanto.exe");
  EXPECT_EQ(s.ArchiveName, "velanto-as.zip");
  EXPECT_EQ(s.TargetDisplayName, "velanto");
  EXPECT_EQ(s.VersionPageUrl, std::string("http://") + VELANTO_UPDATE_HOST + "/velanto/update-as.html");
  EXPECT_EQ(s.ArchiveUrl, std::string("http://") + VELANTO_UPDATE_HOST + "/rv/velanto-as.zip");
}

TEST(Settings, DisplayNameDropsOnlyTheExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"velanto.exe", "velanto"},
      {"velanto", "velanto"},
      {"velanto.setup.exe", "velanto.setup"},
      {".exe", ""},
      {"velanto.", "velanto"},
#ifdef _WIN32
      {"old.d\\velanto", "old.d\\velanto"},
      {"a.b:velanto", "a.b:velanto"},
#else
      {"old.d/velanto", "old.d/velanto"},
#endif
  };
  for (const auto& [name, display] : cases) EXPECT_EQ(TargetDisplayNameOf(name), display) << name;
}

}  // namespace
