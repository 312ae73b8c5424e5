#pragma once
// Shared set-up of the extraction tests: an archive built in the test, a base folder, recorded
// events and dialogs answered from a script.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "archive/SafePath.h"
#include "archive/Xanarc.h"
#include "platform/FileStream.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "support/TempDir.h"
#include "support/ZipBuilder.h"
#include "toolkit/Dialogs.h"

namespace test {

class ScriptedDialogs : public IDialogs {
public:
  void ShowMessage(const std::string& Text) override { Texts.push_back(Text); }
  void ShowError(const std::string& Text) override { Texts.push_back(Text); }
  TModalResult MessageDlg(const std::string& Text, TMsgDlgType, const TMsgDlgButtons& Buttons) override {
    Texts.push_back(Text);
    Asked.push_back(Buttons);
    if (BeforeAnswer) BeforeAnswer();
    if (Answers.empty()) return mrNone;
    TModalResult answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  bool InputPassword(const std::string&, const std::string&, std::string&) override { return false; }

  std::deque<TModalResult> Answers;
  std::vector<std::string> Texts;
  std::vector<TMsgDlgButtons> Asked;
  std::function<void()> BeforeAnswer;
};

inline const char* PhaseName(TXAProgressPhase Phase) {
  return Phase == ppStart ? "start" : Phase == ppProcess ? "process" : "end";
}

class ExtractFixture : public ::testing::Test {
protected:
  void SetUp() override {
    Previous = SetDialogs(&Dialogs);
    Archiver.Name = "Xanarc1";
    Base = Tmp.Path("out") + PathDelim;
  }
  void TearDown() override { SetDialogs(Previous); }

  void Open(const ZipBuilder& Zip) {
    Archiver.FileName = Tmp.Write("test.zip", Zip.Build());
    Archiver.OpenArchive(fmOpenRead | fmShareDenyWrite);
    Archiver.BaseDir = Base;
  }
  void Extract(const std::string& Mask = "*.*") { Archiver.ExtractFiles(Mask, 10431, ""); }

  // Destination of a stored name below the base folder.
  std::string Out(const std::string& StoredName) const { return Base + ToPathDelim(StoredName); }
  std::string Existing(const std::string& StoredName, const std::string& Bytes) const {
    std::string path = Out(StoredName);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << Bytes;
    return path;
  }
  static std::string Read(const std::string& Path) { return TempDir::Read(Path); }

  // Every event with a neutral default is recorded as one line.
  void RecordEvents() {
    Archiver.OnOverallProgress = [this](TObject*, double Progress, TXAProcessOperation, TXAProgressPhase Phase,
                                        bool& Cancel) {
      Log("overall " + std::string(PhaseName(Phase)) + " " + Percent(Progress));
      if (CancelOverallAt && Phase == *CancelOverallAt) Cancel = true;
    };
    Archiver.OnFileProgress = [this](TObject*, const std::string& FileName, double Progress,
                                     TXAProcessOperation, TXAProgressPhase Phase, bool& Cancel) {
      Log("file " + FileName + " " + PhaseName(Phase) + " " + Percent(Progress));
      if (CancelFileAt && Phase == *CancelFileAt) Cancel = true;
    };
    Archiver.OnConfirmProcessFile = [this](TObject*, const std::string& FileName, TXAProcessOperation,
                                           bool& Confirm) {
      Log("confirm " + FileName);
      if (FileName == Refused) Confirm = false;
    };
    Archiver.OnExtractFile = [this](TObject*, std::string& FileName, uint32_t&, const std::string&) {
      Log("extract " + FileName);
    };
  }
  void RecordFailures(TXAAction Answer) {
    Archiver.OnProcessFileFailure = [this, Answer](TObject*, const std::string& FileName, TXAProcessOperation,
                                                   int32_t NativeError, int32_t, const std::string& Message,
                                                   TXAAction& Action) {
      Log("failure " + FileName + " " + std::to_string(NativeError));
      Messages.push_back(Message);
      Action = Answer;
    };
  }
  void Log(const std::string& Line) { Events.push_back(Line); }
  static std::string Percent(double Value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", Value);
    return text;
  }
  // Names in the platform's form, as events report them.
  static std::string N(const std::string& StoredName) { return ToPathDelim(StoredName); }

  TempDir Tmp;
  TXanarc Archiver;
  std::string Base;
  ScriptedDialogs Dialogs;
  IDialogs* Previous = nullptr;
  std::vector<std::string> Events;
  std::vector<std::string> Messages;
  std::optional<TXAProgressPhase> CancelOverallAt;
  std::optional<TXAProgressPhase> CancelFileAt;
  std::string Refused;
};

}  // namespace test
