#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/Exception.h"
#include "support/TempDir.h"
#include "toolkit/ApplicationDialogs.h"
#include "toolkit/Backend.h"
#include "toolkit/DialogButtons.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

// Answers every question with Answer and records what was shown.
class TRecordingDialogs : public IDialogs {
public:
  void ShowMessage(const std::string& Text) override { Shown.push_back("message " + Text); }
  void ShowError(const std::string& Text) override { Shown.push_back("error " + Text); }
  TModalResult MessageDlg(const std::string& Text, TMsgDlgType, const TMsgDlgButtons&) override {
    Shown.push_back("confirm " + Text);
    return Answer;
  }
  bool InputPassword(const std::string&, const std::string& Prompt, std::string& Value) override {
    Shown.push_back("password " + Prompt);
    Value = "secret";
    return true;
  }
  TModalResult Answer = mrRetry;
  std::vector<std::string> Shown;
};

void SetEnv(const char* Name, const std::string& Value) {
#ifdef _WIN32
  _putenv_s(Name, Value.c_str());
#else
  if (Value.empty()) unsetenv(Name); else setenv(Name, Value.c_str(), 1);
#endif
}

TEST(Toolkit, FailureDisplayAppendsDotAfterCharactersAboveIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"Invalid archive file. - Native error: 00035", "Invalid archive file. - Native error: 00035."},
      {"'x' n'est pas une date correcte", "'x' n'est pas une date correcte."},
      {"Fin.", "Fin."},        // "." itself is not above "."
      {"Quoi ?", "Quoi ?."},   // 63
      {"a/", "a/."},           // 47
      {"Erreur-", "Erreur-"},  // 45
      {"Fin !", "Fin !"},      // 33
      {"Ligne\r\n", "Ligne\r\n"},
      {"", ""},
      {"d\xE9j\xE0", "d\xE9j\xE0."},  // an 8-bit character counts by its unsigned code
  };
  for (const auto& [message, shown] : cases) EXPECT_EQ(FailureDisplayText(message), shown) << message;
}

TEST(Toolkit, UncaughtFailureGoesToTheErrorBox) {
  TRecordingDialogs recording;
  IDialogs* previous = SetDialogs(&recording);
  Application->HandleException(Exception("Stream read error"));
  SetDialogs(previous);
  ASSERT_EQ(recording.Shown, std::vector<std::string>{"error Stream read error."});
}

TEST(Toolkit, DialogButtonsInDisplayOrderWithTheirDefault) {
  struct TCase {
    TMsgDlgButtons Chosen;
    std::vector<TModalResult> Results;
    TModalResult Default;
  };
  const TCase cases[] = {
      {{mbIgnore, mbRetry, mbAbort}, {mrAbort, mrRetry, mrIgnore}, mrAbort},
      {{mbCancel, mbOK}, {mrOk, mrCancel}, mrOk},
      {{mbYesToAll, mbNo, mbYes, mbNoToAll, mbCancel}, {mrYes, mrNo, mrCancel, mrNoToAll, mrYesToAll}, mrYes},
      {{}, {mrOk}, mrOk},
  };
  for (const TCase& c : cases) {
    std::vector<TModalResult> results;
    TModalResult defaultResult = mrNone;
    for (const TDialogButton& b : DialogButtons(c.Chosen)) {
      results.push_back(b.Result);
      if (b.Default) {
        EXPECT_EQ(defaultResult, mrNone) << "two default buttons";
        defaultResult = b.Result;
      }
    }
    EXPECT_EQ(results, c.Results);
    EXPECT_EQ(defaultResult, c.Default);
  }
}

// The log is UTF-8 in both builds.
TEST(Toolkit, UiLogRecordsCaptionsEnabledStatesAndDialogs) {
  test::TempDir dir;
  const std::string log = dir.Path("ui.log");
  SetEnv("VELANTO_UI_LOG", log);
  TRecordingDialogs native;
  TApplicationDialogs dialogs(native);
  {
    TForm form(nullptr);
    form.Name = "Form1";
    TLabel* label = form.Add<TLabel>("Label1");
    TButton* button = form.Add<TButton>("BitBtn1");
    label->SetCaption("Ligne 1\rLigne \\2\n");
    button->SetEnabled(false);
    button->SetEnabled(true);
    dialogs.ShowMessage("Erreur durant le téléchargement : 404");
    EXPECT_EQ(dialogs.MessageDlg("Abort?", mtConfirmation, {mbAbort, mbRetry, mbIgnore}), mrRetry);
    std::string password;
    EXPECT_TRUE(dialogs.InputPassword("t", "Password", password));
    form.Close();
  }
  SetEnv("VELANTO_UI_LOG", "");
  EXPECT_EQ(test::TempDir::Read(log),
            "caption Label1 Ligne 1\\rLigne \\\\2\\n\n"
            "enabled BitBtn1 0\n"
            "enabled BitBtn1 1\n"
            "dialog message Erreur durant le t\xC3\xA9" "l\xC3\xA9" "chargement : 404\nanswer mrOk\n"
            "dialog confirm Abort?\nanswer mrRetry\n"
            "dialog password Password\nanswer mrOk\n"
            "close\n");
  EXPECT_EQ(native.Shown.size(), 3u);
}

// Closing the main window ends the application for good, so this runs in a process of its own.
TEST(ToolkitDeathTest, DialogsCloseAtOnceAfterTheMainWindowClosed) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        TRecordingDialogs native;
        TApplicationDialogs dialogs(native);
        TForm* form = Application->CreateForm<TForm>();
        dialogs.ShowMessage("before");
        form->Close();
        dialogs.ShowMessage("after");
        std::string password = "kept";
        bool closedAtOnce = Application->Terminated() &&
                            dialogs.MessageDlg("q", mtConfirmation, {mbYes, mbNo}) == mrCancel &&
                            !dialogs.InputPassword("t", "p", password) && password == "kept" &&
                            native.Shown == std::vector<std::string>{"message before"};
        std::exit(closedAtOnce ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
