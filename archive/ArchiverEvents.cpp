// The extraction events, each with its default answer when no handler is set.
#include "archive/DefaultQuestions.h"
#include "archive/SafePath.h"
#include "archive/Xanarc.h"

// The Cancel of both progress events is CancelRequested itself; no handler clears it.
void TXABaseArchiver::DoOverallProgress(TXAProcessOperation Operation, TXAProgressPhase Phase,
                                        double Progress) {
  CancelRequested = false;
  if (OnOverallProgress) OnOverallProgress(this, Progress, Operation, Phase, CancelRequested);
}

void TXABaseArchiver::DoFileProgress(const std::string& FileName, TXAProcessOperation Operation,
                                     double Progress, TXAProgressPhase Phase) {
  if (!OnFileProgress) {
    CancelRequested = false;
    return;
  }
  OnFileProgress(this, ToPathDelim(FileName), Progress, Operation, Phase, CancelRequested);
}

void TXABaseArchiver::DoConfirmOverwrite(const std::string& SourceFileName, std::string& DestFileName,
                                         bool& Confirm) {
  Confirm = false;
  if (OnConfirmOverwrite) {
    OnConfirmOverwrite(this, SourceFileName, DestFileName, Confirm);
    return;
  }
  Confirm = AskOverwrite(SourceFileName, DestFileName, Options.OverwriteMode);
}

void TXABaseArchiver::DoConfirmProcessFile(const std::string& FileName, TXAProcessOperation Operation,
                                           bool& Confirm) {
  Confirm = true;
  if (OnConfirmProcessFile) OnConfirmProcessFile(this, FileName, Operation, Confirm);
}

void TXABaseArchiver::DoProcessFileFailure(const std::string& FileName, TXAProcessOperation Operation,
                                           int32_t NativeError, int32_t ErrorCode,
                                           const std::string& ErrorMessage, TXAAction& Action) {
  Action = fxaIgnore;
  if (OnProcessFileFailure) {
    OnProcessFileFailure(this, FileName, Operation, NativeError, ErrorCode, ErrorMessage, Action);
    return;
  }
  Action = AskFailureAction(ErrorMessage);
}

void TXABaseArchiver::DoExtractFile(std::string& FileName, uint32_t& FileAttr, const std::string& Comment) {
  FileName = ToPathDelim(FileName);
  if (OnExtractFile) OnExtractFile(this, FileName, FileAttr, Comment);
}
