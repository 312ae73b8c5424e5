#pragma once
#include "toolkit/Dialogs.h"

// The dialogs the application installs over its backend's: each is written to the UI log, and
// once the application has been asked to end a dialog closes at once (as cancelled).
class TApplicationDialogs : public IDialogs {
public:
  explicit TApplicationDialogs(IDialogs& Native) : Native(Native) {}
  void ShowMessage(const std::string& Text) override;
  void ShowError(const std::string& Text) override;
  TModalResult MessageDlg(const std::string& Text, TMsgDlgType Type, const TMsgDlgButtons& Buttons) override;
  bool InputPassword(const std::string& Title, const std::string& Prompt, std::string& Value) override;

private:
  IDialogs& Native;
};

const char* ModalResultName(TModalResult Result);
