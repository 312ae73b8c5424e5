#pragma once
#include <memory>

#include "toolkit/Dialogs.h"

class TForm;

// A window system that realises forms and their controls.
class IBackend {
public:
  virtual ~IBackend() = default;
  // The backend's own dialogs (the application adds logging and the end-of-run rule).
  virtual IDialogs& NativeDialogs() = 0;
  // Realises the form and its controls (attaching peers) and shows it.
  virtual void Show(TForm& Form) = 0;
  virtual void Hide(TForm& Form) = 0;
  virtual void ProcessMessages() = 0;
  // Waits for and dispatches messages until the application has been asked to end.
  virtual void Run() = 0;
};

// The backend of the platform being built: Win32 on Windows, FLTK elsewhere.
std::unique_ptr<IBackend> CreatePlatformBackend();
