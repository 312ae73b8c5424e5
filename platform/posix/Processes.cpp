#include "platform/Processes.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

extern char** environ;

namespace {

bool ParseProcessId(const char* Text, uint32_t& Id) {
  if (*Text < '1' || *Text > '9')
    return false;
  char* end = nullptr;
  unsigned long value = std::strtoul(Text, &end, 10);
  if (*end != '\0' || value > UINT32_MAX)
    return false;
  Id = static_cast<uint32_t>(value);
  return true;
}

// The kernel marks the link of a program whose file was replaced; the program keeps its name.
std::string WithoutDeletedMark(std::string Target) {
  const std::string mark = " (deleted)";
  if (Target.size() > mark.size() && Target.compare(Target.size() - mark.size(), mark.size(), mark) == 0)
    Target.resize(Target.size() - mark.size());
  return Target;
}

std::string BaseName(const std::string& Path) {
  std::string::size_type slash = Path.rfind('/');
  return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

std::string ExecutableName(uint32_t Id) {
  std::string dir = "/proc/" + std::to_string(Id);
  char target[4096];
  ssize_t length = readlink((dir + "/exe").c_str(), target, sizeof target);
  if (length > 0)
    return BaseName(WithoutDeletedMark(std::string(target, static_cast<size_t>(length))));
  std::string comm;
  std::ifstream in(dir + "/comm");
  std::getline(in, comm);
  return comm;
}

}  // namespace

bool TakeProcessSnapshot(std::vector<TProcessEntry>& Entries) {
  Entries.clear();
  DIR* proc = opendir("/proc");
  if (!proc)
    return false;
  std::vector<uint32_t> ids;
  while (dirent* entry = readdir(proc)) {
    uint32_t id = 0;
    if (ParseProcessId(entry->d_name, id))
      ids.push_back(id);
  }
  closedir(proc);
  std::sort(ids.begin(), ids.end());
  for (uint32_t id : ids)
    Entries.push_back({id, ExecutableName(id)});
  return true;
}

bool TerminateProcessById(uint32_t ProcessID) {
  return kill(static_cast<pid_t>(ProcessID), SIGKILL) == 0;
}

void ShellOpen(const std::string& FileName) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd = 0; fd <= 2; ++fd)
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
  // The program must not inherit the updater's files (the archive, the display connection).
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  char* argv[] = {const_cast<char*>(FileName.c_str()), nullptr};
  pid_t child = 0;
  posix_spawn(&child, FileName.c_str(), &actions, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
}
