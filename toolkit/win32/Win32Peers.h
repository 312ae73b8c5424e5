#pragma once
#include <windows.h>

#include "toolkit/Controls.h"

// The window of a realised control: found from its handle by the form's window procedure.
class TWin32Peer : public IControlPeer {
public:
  TWin32Peer(TControl& Control, HWND Parent, const char* ClassName, DWORD Style);
  ~TWin32Peer() override;
  void Changed() override;

  // The form's window procedure hands these on to the control concerned.
  virtual void Command(WORD) {}
  virtual bool DrawItem(const DRAWITEMSTRUCT&) { return false; }
  virtual HBRUSH ColorStatic(HDC) { return nullptr; }

  static TWin32Peer* FromHandle(HWND Handle);

protected:
  virtual void SyncKind() {}
  TControl& Control;
  HWND Handle;
  HFONT Font;

private:
  void SyncHint();
  HWND ToolTip = nullptr;
  bool Syncing = false;
};

// Creates the window of Control inside Parent and attaches its peer to the control.
void RealiseControl(TControl& Control, HWND Parent);
