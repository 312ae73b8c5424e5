#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Component.h"
#include "platform/Stream.h"

enum TWorkMode { wmRead, wmWrite };

// The HTTP client.
class TIdHTTP : public TComponent {
public:
  explicit TIdHTTP(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  // Writes the reply body of a success status into Stream; fails otherwise.
  void Get(const std::string& URL, TStream& Stream);

  std::function<void(TObject* Sender, TWorkMode AWorkMode, int64_t AWorkCountMax)> OnWorkBegin;
  std::function<void(TObject* Sender, TWorkMode AWorkMode, int64_t AWorkCount)> OnWork;
  std::function<void(TObject* Sender, TWorkMode AWorkMode)> OnWorkEnd;
};
