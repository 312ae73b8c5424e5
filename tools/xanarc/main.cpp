#include <cstdio>
#include <cstring>

#include "tools/xanarc/Command.h"

namespace {

std::vector<XanarcCommand>& Registry() {
  static std::vector<XanarcCommand> commands;
  return commands;
}

int Usage() {
  std::fprintf(stderr, "usage:\n");
  for (const XanarcCommand& c : XanarcCommands()) std::fprintf(stderr, "  xanarc %s\n", c.Usage);
  return 2;
}

}  // namespace

XanarcCommandRegistration::XanarcCommandRegistration(const XanarcCommand& Command) {
  Registry().push_back(Command);
}

const std::vector<XanarcCommand>& XanarcCommands() { return Registry(); }

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  for (const XanarcCommand& c : XanarcCommands()) {
    if (std::strcmp(c.Name, argv[1]) == 0) return c.Run(std::vector<std::string>(argv + 2, argv + argc));
  }
  return Usage();
}
