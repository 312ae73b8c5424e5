#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One entry of the running-process snapshot: the process id and its executable's file name
// (Windows: the snapshot's name, at most 260 characters; POSIX: the file name of
// /proc/PID/exe, or comm when that link cannot be read).
struct TProcessEntry {
  uint32_t ProcessID = 0;
  std::string ExeFile;
};

// The running processes in the system's order (POSIX: ascending process id); false when the
// snapshot cannot be taken.
bool TakeProcessSnapshot(std::vector<TProcessEntry>& Entries);
// Opens the process with only the terminate right and terminates it with exit code 0
// (POSIX: SIGKILL); true when it could be opened and the system accepted the termination.
bool TerminateProcessById(uint32_t ProcessID);
// Starts a program with the shell verb "open" and the normal show state, without parameters
// (POSIX: the file itself, detached, in the current working folder). The result is not known.
void ShellOpen(const std::string& FileName);
