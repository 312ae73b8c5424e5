#include <gtest/gtest.h>

#include "toolkit/Dialogs.h"

namespace {

class TAnsweringDialogs : public IDialogs {
public:
  void ShowMessage(const std::string& Text) override { Shown = Text; }
  void ShowError(const std::string& Text) override { Shown = Text; }
  TModalResult MessageDlg(const std::string&, TMsgDlgType, const TMsgDlgButtons&) override { return mrRetry; }
  bool InputPassword(const std::string&, const std::string&, std::string& Value) override {
    Value = "secret";
    return true;
  }
  std::string Shown;
};

TEST(Dialogs, ReplacementAnswersAndDefaultComesBack) {
  TAnsweringDialogs answering;
  IDialogs* previous = SetDialogs(&answering);
  Dialogs().ShowMessage("hello");
  EXPECT_EQ(answering.Shown, "hello");
  EXPECT_EQ(Dialogs().MessageDlg("q", mtConfirmation, {mbAbort, mbRetry, mbIgnore}), mrRetry);
  SetDialogs(previous);
  std::string value;
  // The console default cannot answer: a question counts as closed, a password as cancelled.
  EXPECT_EQ(Dialogs().MessageDlg("q", mtConfirmation, {mbYes, mbNo}), mrNone);
  EXPECT_FALSE(Dialogs().InputPassword("t", "p", value));
}

}  // namespace
