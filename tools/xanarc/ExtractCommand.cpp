// xanarc extract ARCHIVE DESTDIR [MASK] [-p PASSWORD] [--overwrite always|never|newer|older]
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

#include "archive/Xanarc.h"
#include "platform/FileStream.h"
#include "tools/xanarc/Command.h"

namespace {

struct TExtractArgs {
  std::string Archive;
  std::string DestDir;
  std::string Mask = "*.*";
  std::string Password;
  TXAOverwriteMode Overwrite = omAlways;
};

std::optional<TXAOverwriteMode> OverwriteModeNamed(const std::string& Name) {
  static const std::map<std::string, TXAOverwriteMode> modes = {
      {"always", omAlways}, {"never", omNever}, {"newer", omIfNewer}, {"older", omIfOlder}};
  auto found = modes.find(Name);
  if (found == modes.end()) return std::nullopt;
  return found->second;
}

std::optional<TExtractArgs> ParseArgs(const std::vector<std::string>& Args) {
  TExtractArgs parsed;
  std::vector<std::string> positional;
  for (size_t i = 0; i < Args.size(); ++i) {
    const bool hasValue = i + 1 < Args.size();
    if (Args[i] == "-p" && hasValue) {
      parsed.Password = Args[++i];
    } else if (Args[i] == "--overwrite" && hasValue) {
      auto mode = OverwriteModeNamed(Args[++i]);
      if (!mode) return std::nullopt;
      parsed.Overwrite = *mode;
    } else if (Args[i].size() > 1 && Args[i][0] == '-') {
      return std::nullopt;
    } else {
      positional.push_back(Args[i]);
    }
  }
  if (positional.size() < 2 || positional.size() > 3) return std::nullopt;
  parsed.Archive = positional[0];
  parsed.DestDir = positional[1];
  if (positional.size() == 3) parsed.Mask = positional[2];
  return parsed;
}

// Reports every failure and goes on; draws a progress line on a terminal.
class TExtractRun {
public:
  explicit TExtractRun(TXanarc& Archiver) : Archiver(Archiver), ShowProgress(isatty(1) != 0) {
    Archiver.OnProcessFileFailure = [this](TObject*, const std::string& FileName, TXAProcessOperation,
                                           int32_t, int32_t, const std::string& Message, TXAAction& Action) {
      Report(FileName, Message);
      Action = fxaIgnore;
    };
    Archiver.OnPassword = [this](TObject*, const std::string& FileName, std::string&, bool& Skip) {
      Report(FileName, "wrong or missing password, item skipped");
      Skip = true;
    };
    if (!ShowProgress) return;
    Archiver.OnFileProgress = [this](TObject*, const std::string& FileName, double, TXAProcessOperation,
                                     TXAProgressPhase Phase, bool&) {
      if (Phase == ppStart) Current = FileName;
    };
    Archiver.OnOverallProgress = [this](TObject*, double Progress, TXAProcessOperation, TXAProgressPhase,
                                        bool&) { DrawProgress(Progress); };
  }

  int Failures = 0;

  void EndProgressLine() {
    if (ShowProgress) std::printf("\r\033[K");
  }

private:
  void Report(const std::string& FileName, const std::string& Message) {
    ++Failures;
    EndProgressLine();
    std::fflush(stdout);
    std::fprintf(stderr, "xanarc: %s: %s\n", FileName.c_str(), Message.c_str());
  }

  void DrawProgress(double Progress) {
    std::printf("\r\033[K%5.1f%% %.60s", Progress, Current.c_str());
    std::fflush(stdout);
  }

  TXanarc& Archiver;
  bool ShowProgress;
  std::string Current;
};

int RunExtract(const std::vector<std::string>& Args) {
  std::optional<TExtractArgs> parsed = ParseArgs(Args);
  if (!parsed) {
    std::fprintf(stderr, "usage: xanarc extract ARCHIVE DESTDIR [MASK] [-p PASSWORD] "
                         "[--overwrite always|never|newer|older]\n");
    return 2;
  }
  TXanarc archiver;
  archiver.FileName = parsed->Archive;
  archiver.BaseDir = parsed->DestDir;
  archiver.Password = parsed->Password;
  archiver.Options.OverwriteMode = parsed->Overwrite;
  try {
    archiver.OpenArchive(fmOpenRead | fmShareDenyWrite);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "xanarc: %s\n", e.what());
    return 2;
  }
  TExtractRun run(archiver);
  try {
    archiver.ExtractFiles(parsed->Mask, 10431, "");
  } catch (const std::exception& e) {
    run.EndProgressLine();
    std::fprintf(stderr, "xanarc: %s\n", e.what());
    ++run.Failures;
  }
  run.EndProgressLine();
  const int done = archiver.DoneFileCount;
  std::printf("%d of %d items extracted, %d failed\n", done, archiver.SelectedFileCount, run.Failures);
  return run.Failures == 0 ? 0 : 1;
}

XanarcCommandRegistration Registration{XanarcCommand{
    "extract", "extract ARCHIVE DESTDIR [MASK] [-p PASSWORD] [--overwrite always|never|newer|older]",
    RunExtract}};

}  // namespace
