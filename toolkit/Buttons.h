#pragma once
#include "toolkit/StdCtrls.h"

// A button with a glyph left of its caption; with NumGlyphs 2 the glyph holds the normal and
// the disabled image side by side.
class TBitBtn : public TButton {
public:
  using TButton::TButton;
  TBitmap Glyph;
  int NumGlyphs = 1;
};
