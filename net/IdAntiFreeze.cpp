#include "net/IdAntiFreeze.h"

#include "platform/Exception.h"

namespace {
TIdAntiFreeze* Instance = nullptr;
}

TIdAntiFreeze::TIdAntiFreeze(TComponent* AOwner)
    : TComponent(AOwner), OwnerThread(std::this_thread::get_id()) {
  if (Instance)
    throw Exception("Un seul TIdAntiFreeze peut exister par application.");
  Instance = this;
}

TIdAntiFreeze::~TIdAntiFreeze() { Instance = nullptr; }

TIdAntiFreeze* TIdAntiFreeze::Current() { return Instance; }

void TIdAntiFreeze::Idle() {
  if (Active && OnPump && std::this_thread::get_id() == OwnerThread)
    OnPump();
}
