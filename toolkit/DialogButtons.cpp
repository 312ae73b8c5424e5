#include "toolkit/DialogButtons.h"

#include <algorithm>

namespace {

struct TButtonKind {
  TMsgDlgBtn Button;
  const char* Caption;
  TModalResult Result;
};

constexpr TButtonKind Kinds[] = {
    {mbYes, "&Yes", mrYes},           {mbNo, "&No", mrNo},         {mbOK, "OK", mrOk},
    {mbCancel, "Cancel", mrCancel},   {mbAbort, "&Abort", mrAbort}, {mbRetry, "&Retry", mrRetry},
    {mbIgnore, "&Ignore", mrIgnore},  {mbAll, "&All", mrAll},       {mbNoToAll, "N&o to All", mrNoToAll},
    {mbYesToAll, "Yes to &All", mrYesToAll},
};

}  // namespace

std::vector<TDialogButton> DialogButtons(const TMsgDlgButtons& Buttons) {
  std::vector<TDialogButton> chosen;
  for (const TButtonKind& kind : Kinds)
    if (Buttons.count(kind.Button)) chosen.push_back({kind.Button, kind.Caption, kind.Result, false});
  if (chosen.empty()) chosen.push_back({mbOK, "OK", mrOk, false});
  auto ok = std::find_if(chosen.begin(), chosen.end(), [](const TDialogButton& b) { return b.Button == mbOK; });
  (ok != chosen.end() ? *ok : chosen.front()).Default = true;
  return chosen;
}
