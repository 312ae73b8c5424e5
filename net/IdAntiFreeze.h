#pragma once
#include <functional>

#include "platform/Component.h"

// Pumps window messages during the HTTP client's blocking waits.
class TIdAntiFreeze : public TComponent {
public:
  explicit TIdAntiFreeze(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  std::function<void()> OnPump;
};
