#include "archive/Selection.h"

// Only hidden, system, volume label and directory can exclude an item.
bool ItemAttrMatches(uint32_t ItemAttr, uint32_t SearchAttr) {
  return (ItemAttr & ~SearchAttr & 0x1E) == 0;
}
