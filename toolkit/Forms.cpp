#include "toolkit/Forms.h"

#include "platform/Files.h"
#include "toolkit/ApplicationDialogs.h"
#include "toolkit/Backend.h"
#include "toolkit/UiLog.h"

TForm::TForm(TComponent* AOwner) : TControl(AOwner) { ParentFont = false; }

TForm::~TForm() = default;

void TForm::Show() {
  if (IBackend* backend = Application->Backend()) backend->Show(*this);
}

void TForm::Close() {
  UiLog::Write("close", "");
  if (IBackend* backend = Application->Backend()) backend->Hide(*this);
  if (Application->MainForm == this) Application->Terminate();
}

void TForm::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate(this);
  } catch (const std::exception& e) {
    Application->HandleException(e);
  }
}

std::string FailureDisplayText(const std::string& Message) {
  if (!Message.empty() && static_cast<unsigned char>(Message.back()) > '.') return Message + ".";
  return Message;
}

namespace {
std::unique_ptr<TApplicationDialogs> InstalledDialogs;
}

TApplication::TApplication() = default;

TApplication::~TApplication() {
  FForms.clear();
  SetBackend(nullptr);
}

void TApplication::Initialize() { SetBackend(CreatePlatformBackend()); }

std::string TApplication::ExeName() const { return ExecutablePath(); }

void TApplication::SetBackend(std::unique_ptr<IBackend> Value) {
  SetDialogs(nullptr);
  InstalledDialogs.reset();
  FBackend = std::move(Value);
  if (!FBackend) return;
  InstalledDialogs = std::make_unique<TApplicationDialogs>(FBackend->NativeDialogs());
  SetDialogs(InstalledDialogs.get());
}

void TApplication::Run() {
  if (!MainForm || !FBackend) return;
  MainForm->Show();
  FBackend->Run();
}

void TApplication::ProcessMessages() {
  if (FBackend) FBackend->ProcessMessages();
}

void TApplication::Terminate() { FTerminated = true; }

void TApplication::HandleException(const std::exception& E) {
  Dialogs().ShowError(FailureDisplayText(E.what()));
}

namespace {
TApplication TheApplication;
}

TApplication* const Application = &TheApplication;
