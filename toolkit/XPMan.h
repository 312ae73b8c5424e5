#pragma once
#include "platform/Component.h"

// Marks the application for the system's visual style; the manifest in the executable's
// resources does the work.
class TXPManifest : public TComponent {
public:
  using TComponent::TComponent;
};
