#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "toolkit/Graphics.h"

using TNotifyEvent = std::function<void(TObject* Sender)>;

// What a window backend attaches to a control it has realised; told of every state change.
class IControlPeer {
public:
  virtual ~IControlPeer() = default;
  virtual void Changed() = 0;
};

// A control's state as a plain object; a backend realises it and follows its changes.
class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value);

  // Design settings, fixed before the control is realised.
  TFont Font;
  bool ParentFont = true;
  bool ShowHint = false;
  bool ParentShowHint = true;
  int TabOrder = -1;  // -1: not a tab stop

  IControlPeer* Peer() const { return FPeer.get(); }
  void SetPeer(std::unique_ptr<IControlPeer> Value) { FPeer = std::move(Value); }

protected:
  void Changed();

private:
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  std::string FCaption;
  bool FEnabled = true;
  bool FVisible = true;
  std::string FHint;
  std::unique_ptr<IControlPeer> FPeer;
};

// Tab stops first, in tab order, the others after them in their own order: both backends
// realise controls in this order because their focus moves in creation order.
std::vector<TControl*> InTabOrder(const std::vector<TControl*>& Controls);
