#include <climits>
#include <cstring>

#include "archive/FoundItem.h"
#include "archive/StoredNameParts.h"
#include "archive/XAExcept.h"
#include "archive/Xanarc.h"
#include "platform/Collation.h"
#include "platform/Paths.h"

namespace {

constexpr int32_t NotOpenError = 13;

// The drive goes unless paths are stored with it; the separator behind it stays.
std::string NormalisedMask(const std::string& FileMask, TXAStorePathMode StorePath) {
  std::string mask = FileMask;
  const std::string drive = ExtractFileDrive(mask);
  if (!drive.empty() && StorePath != spFullPathWithDrive) mask.erase(0, drive.size());
  for (char& c : mask) {
    if (c == '\\') c = '/';
  }
  return mask;
}

// A mask that does not fit the record is left empty, and an empty mask finds nothing: cutting
// it short could select items the caller never named.
void StoreMask(const std::string& Mask, TInternalSearchRec& Rec) {
  const bool fits = Mask.size() < sizeof Rec.Mask;
  const size_t length = fits ? Mask.size() : 0;
  std::memcpy(Rec.Mask, Mask.data(), length);
  Rec.Mask[length] = '\0';
}

// The folder part, lower-cased; an item's name loses a trailing separator first, the mask's not.
std::string FolderKey(const std::string& Name) { return AnsiLowerCase(ExtractFilePath(Name)); }

bool NamePasses(const std::string& StoredName, const std::string& Mask) {
  const std::string name = WithoutTrailingSeparator(StoredName);
  return MatchName(name, Mask) || MatchName(ExtractFileName(WithPathDelims(name)), Mask);
}

// The first index from From on whose item passes the folder, name and attribute tests; -1 if none.
int32_t SearchFrom(const TXADirArray& Items, int32_t From, const TInternalSearchRec& Rec, bool Recurse) {
  const std::string mask = Rec.Mask;
  const std::string maskFolder = Recurse ? std::string() : FolderKey(WithPathDelims(mask));
  for (int32_t i = From < 0 ? 0 : From; i < Items.Count(); ++i) {
    const TDirItem& entry = Items.ItemPtr(i);
    if (!Recurse && FolderKey(ReportedItemName(entry.StoredName)) != maskFolder) continue;
    if (!NamePasses(entry.StoredName, mask)) continue;
    if (ItemAttrMatches(entry.ExternalAttr, Rec.SearchAttr)) return i;
  }
  return -1;
}

void RequireOpen(const TXABaseArchiver& Archiver) {
  if (!Archiver.IsOpen || !Archiver.Directory) throw EXAException(NotOpenError, &Archiver);
}

bool FindFrom(const TXABaseArchiver& Archiver, int32_t From, TXAArchiveItem& Item) {
  const TXADirArray& items = Archiver.Directory->Items;
  const int32_t found = SearchFrom(items, From, Item.SearchRec, Archiver.Options.Recurse);
  if (found < 0) return false;
  FillFoundItem(items.ItemPtr(found), found, Item);
  return true;
}

}  // namespace

bool TXABaseArchiver::FindFirst(const std::string& FileMask, TXAArchiveItem& Item, int32_t SearchAttr,
                                const std::string& ExclusionMask) {
  RequireOpen(*this);
  TInternalSearchRec& rec = Item.SearchRec;
  StoreMask(NormalisedMask(FileMask, Options.StorePath), rec);
  rec.SearchAttr = static_cast<uint32_t>(SearchAttr);
  rec.ExclusionMask = ExclusionMask;
  rec.ItemIndex = 0;
  return FindFrom(*this, 0, Item);
}

bool TXABaseArchiver::FindNext(TXAArchiveItem& Item) {
  RequireOpen(*this);
  if (Item.SearchRec.ItemIndex == INT32_MAX) return false;
  Item.SearchRec.ItemIndex += 1;
  return FindFrom(*this, Item.SearchRec.ItemIndex, Item);
}

void TXABaseArchiver::SelectItems(const std::string& FileMask, int32_t SearchAttr,
                                  const std::string& ExclusionMask) {
  RequireOpen(*this);
  Directory->Items.ClearSelection();
  TXAArchiveItem item;
  for (bool found = FindFirst(FileMask, item, SearchAttr, ExclusionMask); found; found = FindNext(item)) {
    Directory->Items.ItemPtr(item.SearchRec.ItemIndex).Selected = true;
  }
}
