#pragma once
#include <cstdint>
#include <string>

// Base classes of the component model: an object, a persistent (assignable) object and a
// component with an owner, a Name and a Tag.
class TObject {
public:
  virtual ~TObject() = default;
};

class TPersistent : public TObject {
public:
  // Default assignment: the source cannot be assigned to this class.
  virtual void Assign(const TPersistent& Source);
};

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner = nullptr) : Owner(AOwner) {}
  TComponent* Owner;
  std::string Name;
  intptr_t Tag = 0;
};
