#pragma once
#include "toolkit/Controls.h"

// A picture drawn unscaled from the control's top-left corner and clipped to its bounds.
class TImage : public TControl {
public:
  using TControl::TControl;
  TBitmap Picture;
  bool Transparent = false;
};
