#pragma once
#include <cstdint>

#include "toolkit/Controls.h"

// The position always lies within Min .. Max, as the system control keeps it.
class TProgressBar : public TControl {
public:
  using TControl::TControl;
  int64_t Min() const { return FMin; }
  int64_t Max() const { return FMax; }
  int64_t Position() const { return FPosition; }
  void SetRange(int64_t AMin, int64_t AMax);
  void SetPosition(int64_t Value);

private:
  int64_t FMin = 0;
  int64_t FMax = 100;
  int64_t FPosition = 0;
};
