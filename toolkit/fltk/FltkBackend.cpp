#include <map>

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Tooltip.H>

#include "toolkit/Backend.h"
#include "toolkit/Forms.h"
#include "toolkit/fltk/FltkDialogs.h"
#include "toolkit/fltk/FltkPeers.h"
#include "toolkit/fltk/FltkStyle.h"

namespace {

// The outer size of a form includes a frame and a caption bar; FLTK sizes the client area.
constexpr int FrameWidth = 4;
constexpr int CaptionHeight = 19;

class TFormWindow : public Fl_Double_Window {
public:
  explicit TFormWindow(TForm& Form)
      : Fl_Double_Window(Form.Width() - 2 * FrameWidth, Form.Height() - 2 * FrameWidth - CaptionHeight) {
    end();
    callback(Closing, &Form);
  }

private:
  // The close box closes the form; Escape does not.
  static void Closing(Fl_Widget*, void* Form) {
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    static_cast<TForm*>(Form)->Close();
  }
};

class TFormPeer : public IControlPeer {
public:
  TFormPeer(TForm& Form, TFormWindow& Window) : Form(Form), Window(Window) {}
  void Changed() override {
    Window.copy_label(Form.Caption().c_str());
    Window.color(FlColor(Form.Color));
    Window.redraw();
  }

private:
  TForm& Form;
  TFormWindow& Window;
};

class TFltkBackend : public IBackend {
public:
  TFltkBackend() {
    Fl::scheme("gtk+");
    Fl::background(240, 240, 240);
    Fl::visible_focus(1);
    Fl_Tooltip::enable(1);
  }

  IDialogs& NativeDialogs() override { return Dialogs; }

  void Show(TForm& Form) override {
    TFormWindow& window = Realise(Form);
    if (Form.Position == poDesigned) {
      window.position(Form.Left() + FrameWidth, Form.Top() + FrameWidth + CaptionHeight);
    } else {
      window.position((Fl::w() - Form.Width()) / 2 + FrameWidth, (Fl::h() - Form.Height()) / 2 + FrameWidth + CaptionHeight);
    }
    window.show();
  }

  void Hide(TForm& Form) override {
    auto found = Windows.find(&Form);
    if (found != Windows.end()) found->second->hide();
  }

  void ProcessMessages() override { Fl::check(); }

  void Run() override {
    while (!Application->Terminated() && Fl::wait() > 0) {
    }
  }

private:
  TFormWindow& Realise(TForm& Form) {
    auto& window = Windows[&Form];
    if (window) return *window;
    window = std::make_unique<TFormWindow>(Form);
    for (TControl* control : InTabOrder(Form.Controls())) RealiseControl(*control, *window);
    Form.SetPeer(std::make_unique<TFormPeer>(Form, *window));
    Form.Peer()->Changed();
    return *window;
  }

  TFltkDialogs Dialogs;
  std::map<TForm*, std::unique_ptr<TFormWindow>> Windows;
};

}  // namespace

std::unique_ptr<IBackend> CreatePlatformBackend() { return std::make_unique<TFltkBackend>(); }
