#pragma once
#include <string>

#include "archive/XATypes.h"

// The overwrite question: true to overwrite. "Yes to all" and "No to all" set Mode for good.
bool AskOverwrite(const std::string& SourceFileName, const std::string& DestFileName,
                  TXAOverwriteMode& Mode);

// The failure question: Abort, Retry or Ignore; closing the dialog aborts.
TXAAction AskFailureAction(const std::string& ErrorMessage);
