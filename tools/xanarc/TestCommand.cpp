#include <cstdio>
#include <exception>
#include <optional>

#include "archive/NullStream.h"
#include "archive/Xanarc.h"
#include "platform/FileStream.h"
#include "tools/xanarc/Command.h"

namespace {

struct TTestArgs {
  std::string Archive;
  std::optional<std::string> Password;
};

std::optional<TTestArgs> ParseArgs(const std::vector<std::string>& Args) {
  TTestArgs parsed;
  for (size_t i = 0; i < Args.size(); ++i) {
    if (Args[i] == "-p" && i + 1 < Args.size())
      parsed.Password = Args[++i];
    else if (parsed.Archive.empty())
      parsed.Archive = Args[i];
    else
      return std::nullopt;
  }
  if (parsed.Archive.empty()) return std::nullopt;
  return parsed;
}

// Decodes one item to nowhere; returns its verdict and whether it failed.
std::string TestItem(TXanarc& Archiver, int32_t Index, bool HavePassword, bool& Failed) {
  TNullStream nowhere;
  try {
    Archiver.DecodeItem(Index, nowhere);
  } catch (const std::exception& e) {
    Failed = true;
    return e.what();
  }
  if (!Archiver.SkipFile) return "OK";
  return HavePassword ? "skipped: wrong password" : "skipped: encrypted";
}

int RunTest(const std::vector<std::string>& Args) {
  const std::optional<TTestArgs> args = ParseArgs(Args);
  if (!args) {
    std::fprintf(stderr, "usage: xanarc test ARCHIVE [-p PASSWORD]\n");
    return 2;
  }
  TXanarc archiver;
  archiver.FileName = args->Archive;
  archiver.Password = args->Password.value_or("");
  // A password that is missing or wrong skips the item instead of asking.
  archiver.OnPassword = [](TObject*, const std::string&, std::string&, bool& Skip) { Skip = true; };
  try {
    archiver.OpenArchive(fmOpenRead | fmShareDenyWrite);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  bool anyFailed = false;
  const int32_t count = archiver.Directory->Items.Count();
  for (int32_t i = 0; i < count; ++i) {
    bool failed = false;
    const std::string verdict = TestItem(archiver, i, args->Password.has_value(), failed);
    std::printf("%s\t%s\n", archiver.Directory->Items.ItemPtr(i).StoredName.c_str(), verdict.c_str());
    anyFailed = anyFailed || failed;
  }
  archiver.CloseArchive();
  return anyFailed ? 1 : 0;
}

const XanarcCommandRegistration Registration{{"test", "test ARCHIVE [-p PASSWORD]", RunTest}};

}  // namespace
