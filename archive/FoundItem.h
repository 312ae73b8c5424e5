#pragma once
#include <cstdint>

#include "archive/DirManager.h"
#include "archive/Selection.h"

// Fills the found-item record from the directory item at Index.
void FillFoundItem(const TDirItem& Entry, int32_t Index, TXAArchiveItem& Item);
