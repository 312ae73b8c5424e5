#include "app/KillProcessByName.h"

#include <vector>

#include "platform/Processes.h"

namespace {

char UpperAsciiLetter(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }

bool SameNameIgnoringAsciiCase(const std::string& A, const std::string& B) {
  if (A.size() != B.size())
    return false;
  for (std::string::size_type i = 0; i < A.size(); ++i)
    if (UpperAsciiLetter(A[i]) != UpperAsciiLetter(B[i]))
      return false;
  return true;
}

}  // namespace

bool KillProcessByName(const std::string& Name) {
  std::vector<TProcessEntry> processes;
  if (!TakeProcessSnapshot(processes))
    return false;
  for (const TProcessEntry& process : processes)
    if (SameNameIgnoringAsciiCase(process.ExeFile, Name))
      return TerminateProcessById(process.ProcessID);
  return false;
}
