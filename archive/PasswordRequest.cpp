#include "archive/Xanarc.h"
#include "toolkit/Dialogs.h"

namespace {

// The component's resource strings 65010 and 65011.
std::string PasswordTitle(const std::string& FileName) { return "Password for \"" + FileName + "\""; }
constexpr const char* PasswordPrompt = "Enter password: ";

}  // namespace

void TXABaseArchiver::DoPassword(const std::string& FileName, std::string& NewPassword, bool& Skip) {
  if (OnPassword) {
    OnPassword(this, FileName, NewPassword, Skip);
    return;
  }
  std::string value = NewPassword;
  if (Dialogs().InputPassword(PasswordTitle(FileName), PasswordPrompt, value))
    NewPassword = value;
  else
    Skip = true;
}
