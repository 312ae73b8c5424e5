#pragma once
#include <string>

// The fixed names and addresses of the update, formed from the updater's executable path.
struct TUpdateSettings {
  std::string UpdaterFolder;  // the executable's folder, ending with its delimiter
  std::string TargetExeName;
  std::string ArchiveName;
  std::string ArchivePath;
  std::string VersionPageUrl;
  std::string ArchiveUrl;
  std::string TargetDisplayName;

  std::string TargetPath() const { return UpdaterFolder + TargetExeName; }
};

// The file name without its extension: up to the last "." that comes after every delimiter.
std::string TargetDisplayNameOf(const std::string& ExeName);

// Forms every setting, in order, for the updater whose executable is ExecutablePath; the
// server is the build's update host.
TUpdateSettings MakeUpdateSettings(const std::string& ExecutablePath);
