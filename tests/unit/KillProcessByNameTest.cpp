#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/KillProcessByName.h"
#include "support/TempDir.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
// Unix paths of the build reach Wine through its Z: drive.
std::string IdleProgram() { return std::string("Z:") + VELANTO_BINARY_DIR "/tools/demo-velanto/idle_child.exe"; }
unsigned OwnId() { return GetCurrentProcessId(); }

bool CopyProgram(const std::string& To) { return CopyFileA(IdleProgram().c_str(), To.c_str(), FALSE) != 0; }

// A running copy of the idle program under a name of the test's choice.
class TNamedChild {
public:
  explicit TNamedChild(const std::string& Path) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + Path + "\"";
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(Path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
      return;
    CloseHandle(info.hThread);
    Process = info.hProcess;
  }
  ~TNamedChild() {
    if (!Process)
      return;
    TerminateProcess(Process, 1);
    WaitForSingleObject(Process, 10000);
    CloseHandle(Process);
  }
  bool Started() const { return Process != nullptr; }
  bool Running() const { return WaitForSingleObject(Process, 200) == WAIT_TIMEOUT; }
  // Ended, and with the exit code 0 that the termination imposes.
  bool TerminatedWithZero() const {
    DWORD code = 1;
    return WaitForSingleObject(Process, 10000) == WAIT_OBJECT_0 && GetExitCodeProcess(Process, &code) && code == 0;
  }

private:
  HANDLE Process = nullptr;
};
#else
std::string IdleProgram() { return "/bin/sleep"; }
unsigned OwnId() { return static_cast<unsigned>(getpid()); }

bool CopyProgram(const std::string& To) {
  std::error_code error;
  std::filesystem::copy_file(IdleProgram(), To, error);
  std::filesystem::permissions(To, std::filesystem::perms::owner_all, error);
  return !error;
}

class TNamedChild {
public:
  explicit TNamedChild(const std::string& Path) {
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0)
      return;
    Pid = fork();
    if (Pid == 0) {
      execl(Path.c_str(), Path.c_str(), "60", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ready[1]);
    // The pipe closes when the program has replaced the test's image: its name is then in /proc.
    char unused;
    while (read(ready[0], &unused, 1) > 0) {
    }
    close(ready[0]);
  }
  ~TNamedChild() {
    if (Pid <= 0 || Reaped)
      return;
    kill(Pid, SIGKILL);
    waitpid(Pid, nullptr, 0);
  }
  bool Started() const { return Pid > 0; }
  // Still running after a short grace, so a signal already sent has had time to land.
  bool Running() {
    for (int i = 0; i < 20 && !Reaped; ++i) {
      Reaped = waitpid(Pid, nullptr, WNOHANG) == Pid;
      usleep(10000);
    }
    return Pid > 0 && !Reaped;
  }
  // POSIX cannot impose an exit code: termination is SIGKILL.
  bool TerminatedWithZero() {
    int status = 0;
    Reaped = waitpid(Pid, &status, 0) == Pid;
    return Reaped && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  }
  pid_t Id() const { return Pid; }

private:
  pid_t Pid = -1;
  bool Reaped = false;
};
#endif

// Names carry the test process's id, so parallel runs never see each other's children.
std::string Unique(const std::string& Stem, const std::string& Extension) {
  return Stem + std::to_string(OwnId()) + Extension;
}

class KillProcessByNameTest : public ::testing::Test {
protected:
  std::unique_ptr<TNamedChild> Start(const std::string& Folder, const std::string& FileName) {
    std::filesystem::create_directories(Temp.Root / Folder);
    std::string path = Temp.Path(Folder) + std::string(1, std::filesystem::path::preferred_separator) + FileName;
    EXPECT_TRUE(CopyProgram(path)) << path;
    auto child = std::make_unique<TNamedChild>(path);
    EXPECT_TRUE(child->Started()) << path;
    return child;
  }
  test::TempDir Temp;
};

TEST_F(KillProcessByNameTest, NameInCapitalsMatches) {
  auto child = Start("a", Unique("KPCAPS", ".EXE"));
  EXPECT_TRUE(KillProcessByName(Unique("kpcaps", ".exe")));
  EXPECT_TRUE(child->TerminatedWithZero());
}

TEST_F(KillProcessByNameTest, NamesThatDifferDoNotMatch) {
  auto child = Start("a", Unique("kp\xC3\xA9", ".exe"));  // "kpé..."
  const std::vector<std::string> asked = {
      Unique("kp\xC3\x89", ".exe"),  // "kpÉ...": only a to z ignore case
      Unique("kp\xC3\xA9", ".ex"),   // a prefix
      Unique("kp\xC3\xA9", ".exe "), // longer
      Unique("kpe", ".exe"),
  };
  for (const std::string& name : asked)
    EXPECT_FALSE(KillProcessByName(name)) << name;
  EXPECT_TRUE(child->Running());
}

TEST_F(KillProcessByNameTest, OnlyTheFirstOfTwoIsTerminated) {
  const std::string name = Unique("kptwo", ".exe");
  auto first = Start("a", name);
  auto second = Start("b", name);
  EXPECT_TRUE(KillProcessByName(name));
#ifdef _WIN32
  EXPECT_NE(first->Running(), second->Running());
#else
  // /proc lists processes in ascending id order.
  TNamedChild& lower = first->Id() < second->Id() ? *first : *second;
  TNamedChild& higher = first->Id() < second->Id() ? *second : *first;
  EXPECT_TRUE(lower.TerminatedWithZero());
  EXPECT_TRUE(higher.Running());
#endif
}

TEST_F(KillProcessByNameTest, NoneRunningTerminatesNothing) {
  auto bystander = Start("a", Unique("kpother", ".exe"));
  EXPECT_FALSE(KillProcessByName(Unique("kpnone", ".exe")));
  EXPECT_TRUE(bystander->Running());
}

}  // namespace
