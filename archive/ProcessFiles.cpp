// The driver: applies one operation to every selected item, with its events.
#include "archive/SafePath.h"
#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

enum class TAttemptOutcome { Done, Refused, Cancelled };

int32_t CountSelected(const TXADirManager* Directory) {
  if (!Directory) return 0;
  int32_t count = 0;
  for (int32_t i = 0; i < Directory->Items.Count(); ++i)
    if (Directory->Items.ItemPtr(i).Selected) ++count;
  return count;
}

std::string BaseFolderOf(const std::string& BaseDir) {
  return IncludeTrailingPathDelimiter(BaseDir.empty() ? GetCurrentDir() : BaseDir);
}

// Fires an end event whose handler-less default must not clear a cancel already requested.
template <typename Fire>
void FireKeepingCancel(bool& CancelRequested, Fire fire) {
  const bool remembered = CancelRequested;
  fire();
  CancelRequested = CancelRequested || remembered;
}

TAttemptOutcome AttemptItem(TXABaseArchiver& A, int32_t Index, TXAProcessOperation Operation,
                            const std::string& Name) {
  bool confirm = true;
  A.DoConfirmProcessFile(Name, Operation, confirm);
  if (!confirm) return TAttemptOutcome::Refused;
  const std::string baseFolder = BaseFolderOf(A.BaseDir);
  const std::string stored = A.Directory->Items.ItemPtr(Index).StoredName;
  A.DoFileProgress(stored, Operation, 0.0, ppStart);
  if (A.CancelRequested) return TAttemptOutcome::Cancelled;
  A.ExtractItem(Index, Name, baseFolder);
  FireKeepingCancel(A.CancelRequested, [&] { A.DoFileProgress(stored, Operation, 100.0, ppEnd); });
  if (A.CancelRequested) return TAttemptOutcome::Cancelled;
  ++A.DoneFileCount;
  return TAttemptOutcome::Done;
}

// Runs the attempts of one item; returns false when the run must stop (cancel or abort).
bool ProcessItem(TXABaseArchiver& A, int32_t Index, TXAProcessOperation Operation, bool& Aborted) {
  A.Directory->Items.ItemPtr(Index).CurrentOperation = Operation;
  for (;;) {
    TXAAction action = fxaIgnore;
    const std::string name = ToPathDelim(A.Directory->Items.ItemPtr(Index).StoredName);
    try {
      return AttemptItem(A, Index, Operation, name) != TAttemptOutcome::Cancelled;
    } catch (const EXAException& E) {
      A.DoProcessFileFailure(name, Operation, E.NativeError, E.ErrorCode, E.Message, action);
    }
    if (action == fxaRetry) continue;
    if (action == fxaAbort) Aborted = true;
    return action == fxaIgnore && !A.CancelRequested;
  }
}

}  // namespace

void TXABaseArchiver::ProcessFiles(TXAProcessOperation Operation) {
  std::lock_guard<std::recursive_mutex> lock(ProcessLock());
  DoneFileCount = 0;
  CancelRequested = false;
  SelectedFileCount = CountSelected(Directory.get());
  ReportProgress = true;

  DoOverallProgress(Operation, ppStart, 0.0);
  if (CancelRequested) {
    BatchDepth = 0;
    return;
  }
  bool aborted = false;
  for (int32_t i = 0; Directory && i < Directory->Items.Count(); ++i) {
    if (!Directory->Items.ItemPtr(i).Selected) continue;
    if (!ProcessItem(*this, i, Operation, aborted)) break;
  }
  FireKeepingCancel(CancelRequested, [&] { DoOverallProgress(Operation, ppEnd, 100.0); });
  if (CancelRequested || aborted) BatchDepth = 0;
}
