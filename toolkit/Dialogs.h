#pragma once
#include <set>
#include <string>

// Buttons and results of the modal dialogs.
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll };
using TMsgDlgButtons = std::set<TMsgDlgBtn>;
enum TModalResult { mrNone, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo, mrAll, mrNoToAll, mrYesToAll };
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Every modal dialog of the system goes through this interface, so tests can answer them.
class IDialogs {
public:
  virtual ~IDialogs() = default;
  // A message box with one OK button, captioned with the application title.
  virtual void ShowMessage(const std::string& Text) = 0;
  // The error box of the default failure display.
  virtual void ShowError(const std::string& Text) = 0;
  // A confirmation dialog with the chosen buttons; the button pressed, or mrCancel/mrNone when closed.
  virtual TModalResult MessageDlg(const std::string& Text, TMsgDlgType Type, const TMsgDlgButtons& Buttons) = 0;
  // The password input dialog: true on OK with Value edited, false on Cancel.
  virtual bool InputPassword(const std::string& Title, const std::string& Prompt, std::string& Value) = 0;
};

// The dialogs in force: the window backend's once it is up, a non-interactive default before.
IDialogs& Dialogs();
// Installs Replacement (nullptr restores the default); returns the previous one.
IDialogs* SetDialogs(IDialogs* Replacement);

// The toolkit's message box: the application title as caption, the text and one "OK" button.
inline void ShowMessage(const std::string& Text) { Dialogs().ShowMessage(Text); }
