#include "toolkit/ComCtrls.h"

#include <algorithm>

void TProgressBar::SetRange(int64_t AMin, int64_t AMax) {
  FMin = AMin;
  FMax = std::max(AMin, AMax);
  FPosition = std::clamp(FPosition, FMin, FMax);
  Changed();
}

void TProgressBar::SetPosition(int64_t Value) {
  FPosition = std::clamp(Value, FMin, FMax);
  Changed();
}
