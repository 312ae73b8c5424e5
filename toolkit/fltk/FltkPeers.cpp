#include "toolkit/fltk/FltkPeers.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Multiline_Output.H>
#include <FL/Fl_Progress.H>
#include <FL/fl_draw.H>

#include "toolkit/Buttons.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/fltk/FltkStyle.h"

namespace {

// Follows the state every control shares, then what its kind adds.
class TWidgetPeer : public IControlPeer {
public:
  TWidgetPeer(TControl& Control, Fl_Widget* Widget) : Control(Control), Widget(Widget) {
    Widget->labelfont(FlFont(Control.Font));
    Widget->labelsize(FlFontSize(Control.Font));
    Widget->labelcolor(FlColor(Control.Font.Color));
  }

  void Changed() override {
    if (Syncing) return;
    Syncing = true;
    SyncKind();
    Widget->resize(Control.Left(), Control.Top(), Control.Width(), Control.Height());
    Control.Enabled() ? Widget->activate() : Widget->deactivate();
    Control.Visible() ? Widget->show() : Widget->hide();
    Widget->copy_tooltip(Control.ShowHint && !Control.Hint().empty() ? Control.Hint().c_str() : nullptr);
    if (Widget->parent()) Widget->parent()->redraw();
    Syncing = false;
  }

protected:
  virtual void SyncKind() {}
  TControl& Control;
  Fl_Widget* Widget;

private:
  bool Syncing = false;
};

class TLabelPeer : public TWidgetPeer {
public:
  TLabelPeer(TLabel& Label, Fl_Box* Box) : TWidgetPeer(Label, Box), Label(Label) {
    Box->box(FL_NO_BOX);
    Box->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE);
  }

private:
  void SyncKind() override {
    std::string text = FlText(Label.Caption());
    Widget->copy_label(text.c_str());
    if (!Label.AutoSize) return;
    int w = 0, h = 0;
    fl_font(Widget->labelfont(), Widget->labelsize());
    fl_measure(text.c_str(), w, h, 0);
    Label.SetBounds(Label.Left(), Label.Top(), text.empty() ? Label.Width() : w, text.empty() ? Label.Height() : h);
  }
  TLabel& Label;
};

class TImageBox : public Fl_Box {
public:
  TImageBox(TImage& Image) : Fl_Box(0, 0, 0, 0), Image(Image) {}
  void draw() override {
    if (Image.Picture.Empty()) return;
    if (!Picture) Picture = FlImage(Image.Picture, Image.Transparent);
    fl_push_clip(x(), y(), w(), h());
    Picture->draw(x(), y());
    fl_pop_clip();
  }

private:
  TImage& Image;
  std::unique_ptr<Fl_RGB_Image> Picture;
};

class TProgressPeer : public TWidgetPeer {
public:
  TProgressPeer(TProgressBar& Bar, Fl_Progress* Progress) : TWidgetPeer(Bar, Progress), Bar(Bar), Progress(Progress) {
    Progress->color(FL_WHITE);
    Progress->selection_color(fl_rgb_color(6, 176, 37));
  }

private:
  void SyncKind() override {
    // An empty range shows an empty bar.
    const bool empty = Bar.Max() <= Bar.Min();
    Progress->minimum(0);
    Progress->maximum(empty ? 1.0f : static_cast<float>(Bar.Max() - Bar.Min()));
    Progress->value(empty ? 0.0f : static_cast<float>(Bar.Position() - Bar.Min()));
  }
  TProgressBar& Bar;
  Fl_Progress* Progress;
};

void ClickButton(Fl_Widget*, void* Button) {
  try {
    static_cast<TButton*>(Button)->Click();
  } catch (const std::exception& e) {
    Application->HandleException(e);
  }
}

class TButtonPeer : public TWidgetPeer {
public:
  TButtonPeer(TButton& Button, Fl_Button* Widget) : TWidgetPeer(Button, Widget) {
    Widget->callback(ClickButton, &Button);
    Widget->visible_focus(1);
    if (auto* bitBtn = dynamic_cast<TBitBtn*>(&Button)) AttachGlyph(*bitBtn, *Widget);
  }

private:
  void SyncKind() override { Widget->copy_label(FlText(Control.Caption()).c_str()); }

  void AttachGlyph(TBitBtn& Button, Fl_Button& Widget) {
    if (Button.Glyph.Empty()) return;
    const int count = Button.NumGlyphs > 1 ? Button.NumGlyphs : 1;
    const int width = Button.Glyph.Width() / count;
    Normal = FlImage(Button.Glyph.Columns(0, width), true);
    Widget.image(Normal.get());
    if (count > 1) {
      Disabled = FlImage(Button.Glyph.Columns(width, width), true);
      Widget.deimage(Disabled.get());
    }
    Widget.align(FL_ALIGN_CENTER | FL_ALIGN_IMAGE_NEXT_TO_TEXT);
  }
  std::unique_ptr<Fl_RGB_Image> Normal;
  std::unique_ptr<Fl_RGB_Image> Disabled;
};

class TMemoPeer : public TWidgetPeer {
public:
  TMemoPeer(TMemo& Memo, Fl_Multiline_Output* Output) : TWidgetPeer(Memo, Output), Memo(Memo), Output(Output) {
    Output->textfont(FlFont(Memo.Font));
    Output->textsize(FlFontSize(Memo.Font));
  }

private:
  void SyncKind() override {
    std::string text;
    for (int i = 0; i < Memo.Lines().Count(); ++i) text += (i ? "\n" : "") + Memo.Lines()[i];
    Output->value(text.c_str());
  }
  TMemo& Memo;
  Fl_Multiline_Output* Output;
};

std::unique_ptr<IControlPeer> CreatePeer(TControl& Control) {
  if (auto* label = dynamic_cast<TLabel*>(&Control)) return std::make_unique<TLabelPeer>(*label, new Fl_Box(0, 0, 0, 0));
  if (auto* image = dynamic_cast<TImage*>(&Control)) return std::make_unique<TWidgetPeer>(*image, new TImageBox(*image));
  if (auto* bar = dynamic_cast<TProgressBar*>(&Control))
    return std::make_unique<TProgressPeer>(*bar, new Fl_Progress(0, 0, 0, 0));
  if (auto* button = dynamic_cast<TButton*>(&Control))
    return std::make_unique<TButtonPeer>(*button, new Fl_Button(0, 0, 0, 0));
  if (auto* memo = dynamic_cast<TMemo*>(&Control))
    return std::make_unique<TMemoPeer>(*memo, new Fl_Multiline_Output(0, 0, 0, 0));
  return nullptr;
}

}  // namespace

void RealiseControl(TControl& Control, Fl_Group& Parent) {
  Parent.begin();
  std::unique_ptr<IControlPeer> peer = CreatePeer(Control);
  Parent.end();
  if (!peer) return;
  IControlPeer* raw = peer.get();
  Control.SetPeer(std::move(peer));
  raw->Changed();
}
