#pragma once
#include <exception>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "toolkit/Controls.h"

class IBackend;

enum TPosition { poDesigned, poDesktopCenter, poScreenCenter };

// A top-level window. Width and Height are its outer size; the controls it owns lie in its
// client area, in creation order.
class TForm : public TControl {
public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  TPosition Position = poDesigned;
  TColor Color = clBtnFace;
  TNotifyEvent OnCreate;

  // Creates a component owned by the form; controls are also listed in Controls().
  template <class T> T* Add(const std::string& AName) {
    auto component = std::make_unique<T>(this);
    T* raw = component.get();
    raw->Name = AName;
    FComponents.push_back(std::move(component));
    if constexpr (std::is_base_of_v<TControl, T>) FControls.push_back(raw);
    return raw;
  }
  const std::vector<TControl*>& Controls() const { return FControls; }
  // Shows the window through the application's backend.
  void Show();
  // Hides the window; closing the main window asks the application to end.
  void Close();

protected:
  // Runs OnCreate once the controls exist; a failure goes to the default failure display.
  void DoCreate();

private:
  std::vector<std::unique_ptr<TComponent>> FComponents;
  std::vector<TControl*> FControls;
};

// Text of the default failure display: a "." is appended when the last character's code is
// above that of ".".
std::string FailureDisplayText(const std::string& Message);

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;

  // Starts the platform's window backend and installs its dialogs.
  void Initialize();
  std::string Title;
  // Full path of the program's executable.
  std::string ExeName() const;

  template <class T> T* CreateForm() {
    auto form = std::make_unique<T>(this);
    T* raw = form.get();
    FForms.push_back(std::move(form));
    if (!MainForm) MainForm = raw;
    return raw;
  }
  TForm* MainForm = nullptr;

  // Shows the main window and dispatches messages until the application is asked to end.
  void Run();
  // Dispatches every waiting message, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // The default failure display: an error box captioned with the title.
  void HandleException(const std::exception& E);

  IBackend* Backend() const { return FBackend.get(); }
  // Installs a backend (tests install their own); nullptr removes it.
  void SetBackend(std::unique_ptr<IBackend> Value);

private:
  std::unique_ptr<IBackend> FBackend;
  std::vector<std::unique_ptr<TForm>> FForms;
  bool FTerminated = false;
};

extern TApplication* const Application;
