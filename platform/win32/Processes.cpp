#include "platform/Processes.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstring>

bool TakeProcessSnapshot(std::vector<TProcessEntry>& Entries) {
  Entries.clear();
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return false;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    const char* name = entry.szExeFile;
    Entries.push_back({entry.th32ProcessID, std::string(name, strnlen(name, MAX_PATH))});
  }
  CloseHandle(snapshot);
  return true;
}

bool TerminateProcessById(uint32_t ProcessID) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, ProcessID);
  if (!process)
    return false;
  bool accepted = TerminateProcess(process, 0) != 0;
  CloseHandle(process);
  return accepted;
}

void ShellOpen(const std::string& FileName) {
  ShellExecuteA(GetDesktopWindow(), "open", FileName.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
