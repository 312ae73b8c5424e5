#include "toolkit/fltk/FltkDialogs.h"

#include <algorithm>
#include <vector>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Secret_Input.H>
#include <FL/fl_draw.H>

#include "toolkit/DialogButtons.h"
#include "toolkit/Forms.h"
#include "toolkit/fltk/FltkStyle.h"

namespace {

constexpr int Margin = 12;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 6;
constexpr int IconSize = 32;
constexpr int TextSize = 12;

// A round sign with a letter: the kind of the message.
class TIconBox : public Fl_Box {
public:
  TIconBox(int X, int Y, TMsgDlgType Type) : Fl_Box(X, Y, IconSize, IconSize), Type(Type) {}
  void draw() override {
    static const char* const letters[] = {"!", "X", "i", "?"};
    static const Fl_Color colours[] = {fl_rgb_color(230, 170, 0), fl_rgb_color(200, 30, 30),
                                       fl_rgb_color(30, 90, 200), fl_rgb_color(30, 90, 200)};
    fl_color(colours[Type]);
    fl_pie(x(), y(), w(), h(), 0, 360);
    fl_color(FL_WHITE);
    fl_font(FL_HELVETICA_BOLD, 20);
    fl_draw(letters[Type], x(), y(), w(), h(), FL_ALIGN_CENTER);
  }

private:
  TMsgDlgType Type;
};

class TDialogWindow : public Fl_Double_Window {
public:
  TDialogWindow(int W, int H, const std::string& Title) : Fl_Double_Window(W, H), Caption(Title) {
    label(Caption.c_str());
    set_modal();
    callback([](Fl_Widget* w, void*) { w->hide(); });
  }

  // Centres the window, shows it and waits until it is closed or the application is ending.
  TModalResult Run() {
    end();
    position((Fl::w() - w()) / 2, (Fl::h() - h()) / 2);
    show();
    while (shown() && !Application->Terminated()) Fl::wait();
    hide();
    return Result;
  }

  void AddButton(int X, int Y, const char* Caption, TModalResult Answer, bool Default) {
    begin();
    Fl_Button* button = Default ? new Fl_Return_Button(X, Y, ButtonWidth, ButtonHeight)
                                : new Fl_Button(X, Y, ButtonWidth, ButtonHeight);
    button->copy_label(Caption);
    button->labelsize(TextSize);
    Answers.push_back({button, Answer});
    button->callback([](Fl_Widget* w, void* self) { static_cast<TDialogWindow*>(self)->Answer(w); }, this);
    end();
  }

  TModalResult Result = mrCancel;

private:
  void Answer(Fl_Widget* Button) {
    for (auto& [button, answer] : Answers)
      if (button == Button) Result = answer;
    hide();
  }
  std::string Caption;
  std::vector<std::pair<Fl_Widget*, TModalResult>> Answers;
};

void MeasureText(const std::string& Text, int& W, int& H) {
  W = 0;
  H = 0;
  fl_font(FL_HELVETICA, TextSize);
  fl_measure(Text.c_str(), W, H, 0);
}

TModalResult RunMessageBox(const std::string& Text, const TMsgDlgType* Type, const std::vector<TDialogButton>& Buttons) {
  const std::string text = FlText(Text);
  int textW, textH;
  MeasureText(text, textW, textH);
  const int iconW = Type ? IconSize + Margin : 0;
  const int buttonsW = static_cast<int>(Buttons.size()) * (ButtonWidth + ButtonGap) - ButtonGap;
  const int width = std::max(iconW + textW, buttonsW) + 2 * Margin;
  const int bodyH = std::max(textH, Type ? IconSize : 0);
  const int height = Margin + bodyH + Margin + ButtonHeight + Margin;

  TDialogWindow window(width, height, Application->Title);
  if (Type) new TIconBox(Margin, Margin, *Type);
  auto* message = new Fl_Box(Margin + iconW, Margin, textW, bodyH);
  message->copy_label(text.c_str());
  message->labelsize(TextSize);
  message->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | (Type ? 0 : FL_ALIGN_TOP));
  int x = (width - buttonsW) / 2;
  for (const TDialogButton& button : Buttons) {
    window.AddButton(x, height - Margin - ButtonHeight, button.Caption, button.Result, button.Default);
    x += ButtonWidth + ButtonGap;
  }
  return window.Run();
}

}  // namespace

void TFltkDialogs::ShowMessage(const std::string& Text) { RunMessageBox(Text, nullptr, DialogButtons({mbOK})); }

void TFltkDialogs::ShowError(const std::string& Text) {
  const TMsgDlgType type = mtError;
  RunMessageBox(Text, &type, DialogButtons({mbOK}));
}

TModalResult TFltkDialogs::MessageDlg(const std::string& Text, TMsgDlgType Type, const TMsgDlgButtons& Buttons) {
  return RunMessageBox(Text, Type == mtCustom ? nullptr : &Type, DialogButtons(Buttons));
}

bool TFltkDialogs::InputPassword(const std::string& Title, const std::string& Prompt, std::string& Value) {
  const int width = 300, height = 110;
  TDialogWindow window(width, height, Title.empty() ? Application->Title : Title);
  auto* prompt = new Fl_Box(Margin, 8, width - 2 * Margin, 20);
  prompt->copy_label(FlText(Prompt).c_str());
  prompt->labelsize(TextSize);
  prompt->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  auto* input = new Fl_Secret_Input(Margin, 30, width - 2 * Margin, 24);
  input->textsize(TextSize);
  input->value(Value.c_str());
  const int buttonsX = width - Margin - 2 * ButtonWidth - ButtonGap;
  window.AddButton(buttonsX, height - Margin - ButtonHeight, "OK", mrOk, true);
  window.AddButton(buttonsX + ButtonWidth + ButtonGap, height - Margin - ButtonHeight, "Cancel", mrCancel, false);
  if (window.Run() != mrOk) return false;
  Value = input->value();
  return true;
}
