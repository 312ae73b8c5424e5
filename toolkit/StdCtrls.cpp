#include "toolkit/StdCtrls.h"

void TButton::Click() {
  if (OnClick) OnClick(this);
}

TMemo::TMemo(TComponent* AOwner) : TControl(AOwner) {
  FLines.OnChange = [this] { Changed(); };
}
