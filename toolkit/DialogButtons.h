#pragma once
#include <vector>

#include "toolkit/Dialogs.h"

// A button of a confirmation dialog as both backends lay it out.
struct TDialogButton {
  TMsgDlgBtn Button;
  const char* Caption;
  TModalResult Result;
  bool Default;
};

// The chosen buttons in display order, the default one marked: OK when chosen, else the first.
std::vector<TDialogButton> DialogButtons(const TMsgDlgButtons& Buttons);
