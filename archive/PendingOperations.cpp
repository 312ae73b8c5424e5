// Placeholders for overridable operations whose owners have not merged yet: the component's
// vtable needs every virtual operation defined. Each owner deletes its operation here when
// merging the real one.
#include "archive/Xanarc.h"

void TXABaseArchiver::DoOverallProgress(TXAProcessOperation, TXAProgressPhase, double) {}
void TXABaseArchiver::DoFileProgress(const std::string&, TXAProcessOperation, double, TXAProgressPhase) {}
void TXABaseArchiver::DoConfirmOverwrite(const std::string&, std::string&, bool&) {}
void TXABaseArchiver::DoConfirmProcessFile(const std::string&, TXAProcessOperation, bool&) {}
void TXABaseArchiver::DoProcessFileFailure(const std::string&, TXAProcessOperation, int32_t, int32_t,
                                           const std::string&, TXAAction&) {}
void TXABaseArchiver::DoExtractFile(std::string&, uint32_t&, const std::string&) {}
// Non-virtual, but the updater calls it: a placeholder until the extraction driver is merged.
void TXABaseArchiver::ExtractFiles(const std::string&, int32_t, const std::string&) {}
