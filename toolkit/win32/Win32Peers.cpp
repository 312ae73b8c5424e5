#include "toolkit/win32/Win32Peers.h"

#include <algorithm>
#include <climits>
#include <memory>

#include <commctrl.h>

#include "toolkit/Buttons.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/Win32Style.h"

TWin32Peer::TWin32Peer(TControl& Control, HWND Parent, const char* ClassName, DWORD Style)
    : Control(Control),
      Handle(CreateWindowExA(0, ClassName, "", WS_CHILD | Style, 0, 0, 0, 0, Parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr)),
      Font(CreateFontFor(Control.Font)) {
  SetWindowLongPtrA(Handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageA(Handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font), FALSE);
}

TWin32Peer::~TWin32Peer() {
  if (IsWindow(Handle)) SetWindowLongPtrA(Handle, GWLP_USERDATA, 0);
  DeleteObject(Font);
}

TWin32Peer* TWin32Peer::FromHandle(HWND Handle) {
  return reinterpret_cast<TWin32Peer*>(GetWindowLongPtrA(Handle, GWLP_USERDATA));
}

void TWin32Peer::Changed() {
  if (Syncing) return;
  Syncing = true;
  SyncKind();
  MoveWindow(Handle, Control.Left(), Control.Top(), Control.Width(), Control.Height(), TRUE);
  EnableWindow(Handle, Control.Enabled());
  ShowWindow(Handle, Control.Visible() ? SW_SHOWNA : SW_HIDE);
  SyncHint();
  Syncing = false;
}

void TWin32Peer::SyncHint() {
  if (!Control.ShowHint || Control.Hint().empty()) return;
  TOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(Handle);
  tool.uId = reinterpret_cast<UINT_PTR>(Handle);
  tool.lpszText = const_cast<char*>(Control.Hint().c_str());
  if (ToolTip) {
    SendMessageA(ToolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    return;
  }
  ToolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(Handle), nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  SendMessageA(ToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

namespace {

class TLabelPeer : public TWin32Peer {
public:
  TLabelPeer(TLabel& Label, HWND Parent) : TWin32Peer(Label, Parent, "STATIC", SS_LEFT | SS_NOPREFIX), Label(Label) {}

  HBRUSH ColorStatic(HDC Dc) override {
    SetTextColor(Dc, ColorRef(Label.Font.Color));
    SetBkMode(Dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
  }

private:
  void SyncKind() override {
    const std::string text = WindowsText(Label.Caption());
    SetWindowTextA(Handle, text.c_str());
    if (!Label.AutoSize || text.empty()) return;
    HDC dc = GetDC(Handle);
    HGDIOBJ old = SelectObject(dc, Font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(Handle, dc);
    Label.SetBounds(Label.Left(), Label.Top(), r.right - r.left, r.bottom - r.top);
  }
  TLabel& Label;
};

class TImagePeer : public TWin32Peer {
public:
  TImagePeer(TImage& Image, HWND Parent)
      : TWin32Peer(Image, Parent, "STATIC", SS_OWNERDRAW), Image(Image), Bitmap(CreateBitmapFor(Image.Picture)) {}
  ~TImagePeer() override { DeleteObject(Bitmap); }

  // Unscaled from the top-left corner, clipped to the control.
  bool DrawItem(const DRAWITEMSTRUCT& Item) override {
    FillRect(Item.hDC, &Item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!Bitmap) return true;
    HDC memory = CreateCompatibleDC(Item.hDC);
    HGDIOBJ old = SelectObject(memory, Bitmap);
    const int w = std::min(Image.Picture.Width(), static_cast<int>(Item.rcItem.right - Item.rcItem.left));
    const int h = std::min(Image.Picture.Height(), static_cast<int>(Item.rcItem.bottom - Item.rcItem.top));
    const uint32_t clear = Image.Picture.TransparentColor();
    if (Image.Transparent)
      TransparentBlt(Item.hDC, 0, 0, w, h, memory, 0, 0, w, h, RGB(clear >> 16, (clear >> 8) & 0xFF, clear & 0xFF));
    else
      BitBlt(Item.hDC, 0, 0, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    return true;
  }

private:
  TImage& Image;
  HBITMAP Bitmap;
};

class TProgressPeer : public TWin32Peer {
public:
  TProgressPeer(TProgressBar& Bar, HWND Parent) : TWin32Peer(Bar, Parent, PROGRESS_CLASSA, 0), Bar(Bar) {}

private:
  // The system control counts in int; larger ranges are scaled down.
  void SyncKind() override {
    int64_t span = Bar.Max() - Bar.Min();
    int64_t scale = span > INT_MAX ? span / INT_MAX + 1 : 1;
    SendMessageA(Handle, PBM_SETRANGE32, 0, static_cast<LPARAM>(span / scale));
    SendMessageA(Handle, PBM_SETPOS, static_cast<WPARAM>((Bar.Position() - Bar.Min()) / scale), 0);
  }
  TProgressBar& Bar;
};

class TButtonPeer : public TWin32Peer {
public:
  TButtonPeer(TButton& Button, HWND Parent)
      : TWin32Peer(Button, Parent, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP), Button(Button) {
    if (auto* bitBtn = dynamic_cast<TBitBtn*>(&Button)) AttachGlyph(*bitBtn);
  }
  ~TButtonPeer() override {
    if (Glyphs) ImageList_Destroy(Glyphs);
  }

  void Command(WORD Notification) override {
    if (Notification != BN_CLICKED) return;
    try {
      Button.Click();
    } catch (const std::exception& e) {
      Application->HandleException(e);
    }
  }

private:
  void SyncKind() override { SetWindowTextA(Handle, Button.Caption().c_str()); }

  // Image list states: normal, hot, pressed, disabled, defaulted, stylus hot.
  void AttachGlyph(TBitBtn& BitBtn) {
    if (BitBtn.Glyph.Empty()) return;
    const int count = BitBtn.NumGlyphs > 1 ? BitBtn.NumGlyphs : 1;
    const int w = BitBtn.Glyph.Width() / count, h = BitBtn.Glyph.Height();
    const uint32_t clear = BitBtn.Glyph.TransparentColor();
    const COLORREF mask = RGB(clear >> 16, (clear >> 8) & 0xFF, clear & 0xFF);
    Glyphs = ImageList_Create(w, h, ILC_COLOR24 | ILC_MASK, 6, 0);
    const int states[] = {0, 0, 0, count > 1 ? 1 : 0, 0, 0};
    for (int state : states) {
      HBITMAP image = CreateBitmapFor(BitBtn.Glyph.Columns(state * w, w));
      ImageList_AddMasked(Glyphs, image, mask);
      DeleteObject(image);
    }
    BUTTON_IMAGELIST list{};
    list.himl = Glyphs;
    list.margin = RECT{4, 0, 0, 0};
    list.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    SendMessageA(Handle, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
  }
  TButton& Button;
  HIMAGELIST Glyphs = nullptr;
};

class TMemoPeer : public TWin32Peer {
public:
  TMemoPeer(TMemo& Memo, HWND Parent)
      : TWin32Peer(Memo, Parent, "EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
        Memo(Memo) {}

private:
  void SyncKind() override {
    std::string text;
    for (int i = 0; i < Memo.Lines().Count(); ++i) text += (i ? "\r\n" : "") + Memo.Lines()[i];
    SetWindowTextA(Handle, text.c_str());
  }
  TMemo& Memo;
};

std::unique_ptr<TWin32Peer> CreatePeer(TControl& Control, HWND Parent) {
  if (auto* label = dynamic_cast<TLabel*>(&Control)) return std::make_unique<TLabelPeer>(*label, Parent);
  if (auto* image = dynamic_cast<TImage*>(&Control)) return std::make_unique<TImagePeer>(*image, Parent);
  if (auto* bar = dynamic_cast<TProgressBar*>(&Control)) return std::make_unique<TProgressPeer>(*bar, Parent);
  if (auto* button = dynamic_cast<TButton*>(&Control)) return std::make_unique<TButtonPeer>(*button, Parent);
  if (auto* memo = dynamic_cast<TMemo*>(&Control)) return std::make_unique<TMemoPeer>(*memo, Parent);
  return nullptr;
}

}  // namespace

void RealiseControl(TControl& Control, HWND Parent) {
  std::unique_ptr<TWin32Peer> peer = CreatePeer(Control, Parent);
  if (!peer) return;
  TWin32Peer* raw = peer.get();
  Control.SetPeer(std::move(peer));
  raw->Changed();
}
