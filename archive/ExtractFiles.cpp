#include "archive/XAExcept.h"
#include "archive/Xanarc.h"

void TXABaseArchiver::ExtractFiles(const std::string& FileMask, int32_t SearchAttr,
                                   const std::string& ExclusionMask) {
  if (!IsOpen) throw EXAException(13, this);
  if (BatchDepth > 0) throw EXAException(26, this);
  SelectItems(FileMask, SearchAttr, ExclusionMask);
  ProcessFiles(poExtract);
}
