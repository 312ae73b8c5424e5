#pragma once
#include <windows.h>

#include "toolkit/Dialogs.h"

// Message boxes and modal dialogs captioned with the application title, owned by the main
// window; Return presses the default button, Escape and the close box cancel.
class TWin32Dialogs : public IDialogs {
public:
  void ShowMessage(const std::string& Text) override;
  void ShowError(const std::string& Text) override;
  TModalResult MessageDlg(const std::string& Text, TMsgDlgType Type, const TMsgDlgButtons& Buttons) override;
  bool InputPassword(const std::string& Title, const std::string& Prompt, std::string& Value) override;

  HWND Owner = nullptr;
};
