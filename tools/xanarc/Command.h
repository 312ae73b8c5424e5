#pragma once
#include <string>
#include <vector>

// A subcommand of xanarc. Each command's file registers one, so commands stay independent.
struct XanarcCommand {
  const char* Name;
  const char* Usage;
  // Returns the process exit status.
  int (*Run)(const std::vector<std::string>& Args);
};

// Registers a command at program start; used as `static XanarcCommandRegistration r{...};`.
struct XanarcCommandRegistration {
  explicit XanarcCommandRegistration(const XanarcCommand& Command);
};

const std::vector<XanarcCommand>& XanarcCommands();
