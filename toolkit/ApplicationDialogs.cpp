#include "toolkit/ApplicationDialogs.h"

#include "toolkit/Forms.h"
#include "toolkit/UiLog.h"

namespace {

// Logs the opening, runs the dialog unless the application is ending, logs the answer.
template <class Run>
TModalResult Logged(const char* Kind, const std::string& Text, Run&& RunDialog) {
  UiLog::Write("dialog", Kind, Text);
  TModalResult result = Application->Terminated() ? mrCancel : RunDialog();
  UiLog::Write("answer", ModalResultName(result));
  return result;
}

}  // namespace

const char* ModalResultName(TModalResult Result) {
  static const char* const names[] = {"mrNone", "mrOk",  "mrCancel", "mrAbort",   "mrRetry",   "mrIgnore",
                                      "mrYes",  "mrNo",  "mrAll",    "mrNoToAll", "mrYesToAll"};
  return names[Result];
}

void TApplicationDialogs::ShowMessage(const std::string& Text) {
  Logged("message", Text, [&] { Native.ShowMessage(Text); return mrOk; });
}

void TApplicationDialogs::ShowError(const std::string& Text) {
  Logged("error", Text, [&] { Native.ShowError(Text); return mrOk; });
}

TModalResult TApplicationDialogs::MessageDlg(const std::string& Text, TMsgDlgType Type,
                                             const TMsgDlgButtons& Buttons) {
  return Logged("confirm", Text, [&] { return Native.MessageDlg(Text, Type, Buttons); });
}

bool TApplicationDialogs::InputPassword(const std::string& Title, const std::string& Prompt, std::string& Value) {
  return Logged("password", Prompt, [&] {
    return Native.InputPassword(Title, Prompt, Value) ? mrOk : mrCancel;
  }) == mrOk;
}
