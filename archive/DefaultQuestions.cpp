#include "archive/DefaultQuestions.h"

#include "toolkit/Dialogs.h"

bool AskOverwrite(const std::string& SourceFileName, const std::string& DestFileName,
                  TXAOverwriteMode& Mode) {
  const std::string text = "Overwrite file \"" + DestFileName + "\" with \"" + SourceFileName + "\"";
  switch (Dialogs().MessageDlg(text, mtConfirmation, {mbYes, mbNo, mbNoToAll, mbYesToAll})) {
  case mrYes:
    return true;
  case mrYesToAll:
    Mode = omAlways;
    return true;
  case mrNoToAll:
    Mode = omNever;
    return false;
  default:
    return false;
  }
}

TXAAction AskFailureAction(const std::string& ErrorMessage) {
  const std::string text = ErrorMessage + ". File processing error, possibly disk is full";
  switch (Dialogs().MessageDlg(text, mtConfirmation, {mbAbort, mbRetry, mbIgnore})) {
  case mrRetry:
    return fxaRetry;
  case mrIgnore:
    return fxaIgnore;
  default:
    return fxaAbort;
  }
}
