#pragma once
#include "toolkit/Controls.h"
#include "toolkit/Strings.h"

// A text; auto-sized to its text, a "\r" starting a second line.
class TLabel : public TControl {
public:
  using TControl::TControl;
  bool AutoSize = true;
};

class TButton : public TControl {
public:
  using TControl::TControl;
  TNotifyEvent OnClick;
  // Fires OnClick with the button as sender.
  void Click();
};

// A multi-line edit; its Lines are the text.
class TMemo : public TControl {
public:
  explicit TMemo(TComponent* AOwner);
  TStrings& Lines() { return FLines; }
  const TStrings& Lines() const { return FLines; }

private:
  TStringList FLines;
};
