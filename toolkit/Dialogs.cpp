#include "toolkit/Dialogs.h"

#include <cstdio>

namespace {

// Before a window backend is up (command-line tools, tests) nobody can answer: messages go to
// standard error and every question is taken as closed without an answer.
class TConsoleDialogs : public IDialogs {
public:
  void ShowMessage(const std::string& Text) override { std::fprintf(stderr, "%s\n", Text.c_str()); }
  void ShowError(const std::string& Text) override { std::fprintf(stderr, "%s\n", Text.c_str()); }
  TModalResult MessageDlg(const std::string& Text, TMsgDlgType, const TMsgDlgButtons&) override {
    std::fprintf(stderr, "%s\n", Text.c_str());
    return mrNone;
  }
  bool InputPassword(const std::string&, const std::string&, std::string&) override { return false; }
};

TConsoleDialogs ConsoleDialogs;
IDialogs* Current = &ConsoleDialogs;

}  // namespace

IDialogs& Dialogs() { return *Current; }

IDialogs* SetDialogs(IDialogs* Replacement) {
  IDialogs* previous = Current;
  Current = Replacement ? Replacement : &ConsoleDialogs;
  return previous;
}
