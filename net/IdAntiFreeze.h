#pragma once
#include <functional>
#include <thread>

#include "platform/Component.h"

// Keeps the window's thread responsive during blocking socket waits: the HTTP client calls
// Idle after each wait slice in which nothing happened. One instance per application.
class TIdAntiFreeze : public TComponent {
public:
  explicit TIdAntiFreeze(TComponent* AOwner = nullptr);
  ~TIdAntiFreeze() override;
  TIdAntiFreeze(const TIdAntiFreeze&) = delete;
  TIdAntiFreeze& operator=(const TIdAntiFreeze&) = delete;

  // The instance in force, or nullptr.
  static TIdAntiFreeze* Current();
  // Pumps once when active, set and called on the thread that created the instance.
  void Idle();

  bool Active = true;
  unsigned IdleTimeOut = 250;  // milliseconds of a data wait slice
  std::function<void()> OnPump;  // the application's ProcessMessages

private:
  std::thread::id OwnerThread;
};
