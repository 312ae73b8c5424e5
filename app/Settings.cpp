#include "app/Settings.h"

#include "platform/Paths.h"

std::string TargetDisplayNameOf(const std::string& ExeName) { return ChangeFileExt(ExeName, ""); }

TUpdateSettings MakeUpdateSettings(const std::string& ExecutablePath) {
  const std::string server = std::string("http://") + VELANTO_UPDATE_HOST;
  TUpdateSettings s;
  s.UpdaterFolder = ExtractFilePath(ExecutablePath);
  s.TargetExeName = "velanto.exe";
  s.ArchiveName = "velanto-as.zip";
  s.ArchivePath = s.UpdaterFolder + s.ArchiveName;
  s.VersionPageUrl = server + "/velanto/update-as.html";
  s.ArchiveUrl = server + "/rv/" + s.ArchiveName;
  s.TargetDisplayName = TargetDisplayNameOf(s.TargetExeName);
  return s;
}
