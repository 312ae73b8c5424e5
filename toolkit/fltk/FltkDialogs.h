#pragma once
#include "toolkit/Dialogs.h"

// Modal FLTK dialogs centred on the screen, captioned with the application title; Return
// presses the default button.
class TFltkDialogs : public IDialogs {
public:
  void ShowMessage(const std::string& Text) override;
  void ShowError(const std::string& Text) override;
  TModalResult MessageDlg(const std::string& Text, TMsgDlgType Type, const TMsgDlgButtons& Buttons) override;
  bool InputPassword(const std::string& Title, const std::string& Prompt, std::string& Value) override;
};
