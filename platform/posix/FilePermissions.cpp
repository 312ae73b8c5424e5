#include <sys/stat.h>

#include "platform/Files.h"

bool InheritFilePermissions(const std::string& Source, const std::string& Dest) {
  struct stat st {};
  if (stat(Source.c_str(), &st) != 0) return false;
  return chmod(Dest.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}
