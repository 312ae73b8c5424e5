#include "toolkit/Controls.h"

#include <algorithm>

#include "toolkit/UiLog.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() = default;

void TControl::Changed() {
  if (FPeer) FPeer->Changed();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  Changed();
}

void TControl::SetCaption(const std::string& Value) {
  FCaption = Value;
  UiLog::Write("caption", Name, Value);
  Changed();
}

void TControl::SetEnabled(bool Value) {
  FEnabled = Value;
  UiLog::Write("enabled", Name, Value ? "1" : "0");
  Changed();
}

void TControl::SetVisible(bool Value) {
  FVisible = Value;
  Changed();
}

void TControl::SetHint(const std::string& Value) {
  FHint = Value;
  Changed();
}

std::vector<TControl*> InTabOrder(const std::vector<TControl*>& Controls) {
  std::vector<TControl*> ordered = Controls;
  std::stable_sort(ordered.begin(), ordered.end(), [](TControl* a, TControl* b) {
    auto key = [](TControl* c) { return c->TabOrder < 0 ? 1 << 30 : c->TabOrder; };
    return key(a) < key(b);
  });
  return ordered;
}
