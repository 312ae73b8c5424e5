#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/Processes.h"
#include "support/TempDir.h"

namespace {

// The started program reports how it was started: arguments, folder, session, streams.
TEST(UpdateTargetStart, ProgramRunsDetachedWithoutArgumentsInTheCurrentFolder) {
  test::TempDir temp;
  const std::string report = temp.Path("report.txt");
  const std::string program = temp.Write("velanto.exe",
      "#!/bin/sh\n"
      "streams=\"$(readlink /proc/$$/fd/0) $(readlink /proc/$$/fd/1) $(readlink /proc/$$/fd/2)\"\n"
      "leader=$([ \"$(ps -o sid= -p $$ | tr -d ' ')\" = $$ ] && echo yes)\n"
      "printf 'args=%s\\ndir=%s\\nleader=%s\\nstreams=%s\\n' $# \"$(pwd -P)\" \"$leader\" \"$streams\" > " + report + ".part\n"
      "mv " + report + ".part " + report + "\n");
  chmod(program.c_str(), 0755);

  ShellOpen(program);
  for (int i = 0; i < 200 && !std::filesystem::exists(report); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));

  const std::string expected = "args=0\ndir=" + std::filesystem::current_path().string() +
                               "\nleader=yes\nstreams=/dev/null /dev/null /dev/null\n";
  EXPECT_EQ(test::TempDir::Read(report), expected);
}

}  // namespace
#endif
