#include "toolkit/win32/Win32Dialogs.h"

#include <algorithm>
#include <vector>

#include "toolkit/DialogButtons.h"
#include "toolkit/Forms.h"
#include "toolkit/win32/Win32Style.h"

namespace {

constexpr const char* DialogClass = "VelantoDialog";
constexpr int Margin = 12;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr int ButtonGap = 6;
constexpr int IconSize = 32;
constexpr int FirstButtonId = 100;

// One modal dialog: its answers by button id, the default id and the result once closed.
struct TDialogState {
  std::vector<TModalResult> Answers;
  int DefaultId = FirstButtonId;
  TModalResult Result = mrCancel;
  bool Done = false;
};

LRESULT CALLBACK DialogProc(HWND Window, UINT Message, WPARAM W, LPARAM L) {
  auto* state = reinterpret_cast<TDialogState*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
  if (!state) return DefWindowProcA(Window, Message, W, L);
  switch (Message) {
    case DM_GETDEFID:
      return MAKELONG(state->DefaultId, DC_HASDEFID);
    case WM_COMMAND: {
      const int id = LOWORD(W);
      const size_t index = static_cast<size_t>(id - FirstButtonId);
      if (id == IDCANCEL) state->Result = mrCancel;
      else if (id >= FirstButtonId && index < state->Answers.size()) state->Result = state->Answers[index];
      else return 0;
      state->Done = true;
      return 0;
    }
    case WM_CLOSE:
      state->Result = mrCancel;
      state->Done = true;
      return 0;
  }
  return DefWindowProcA(Window, Message, W, L);
}

HFONT MessageFont() {
  static HFONT font = [] {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectA(&metrics.lfMessageFont);
  }();
  return font;
}

SIZE MeasureText(const std::string& Text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, MessageFont());
  RECT r{0, 0, 400, 0};
  DrawTextA(dc, Text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// A modal window of the given client size, centred on the screen.
class TModalDialog {
public:
  TModalDialog(HWND Owner, const std::string& Caption, int ClientWidth, int ClientHeight) : Owner(Owner) {
    static const bool registered = [] {
      WNDCLASSEXA cls{};
      cls.cbSize = sizeof(cls);
      cls.lpfnWndProc = DialogProc;
      cls.hInstance = GetModuleHandleA(nullptr);
      cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
      cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      cls.lpszClassName = DialogClass;
      return RegisterClassExA(&cls) != 0;
    }();
    (void)registered;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT r{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    const int w = r.right - r.left, h = r.bottom - r.top;
    Window = CreateWindowExA(exStyle, DialogClass, Caption.c_str(), style, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                             (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, Owner, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&State));
  }
  ~TModalDialog() { DestroyWindow(Window); }

  HWND Add(const char* ClassName, const std::string& Text, DWORD Style, int X, int Y, int W, int H, int Id = 0) {
    HWND child = CreateWindowExA(0, ClassName, Text.c_str(), WS_CHILD | WS_VISIBLE | Style, X, Y, W, H, Window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
    return child;
  }

  void AddButton(const std::string& Caption, TModalResult Answer, bool Default, int X, int Y) {
    const int id = FirstButtonId + static_cast<int>(State.Answers.size());
    State.Answers.push_back(Answer);
    HWND button = Add("BUTTON", Caption, WS_TABSTOP | (Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), X, Y,
                      ButtonWidth, ButtonHeight, id);
    if (!Default) return;
    State.DefaultId = id;
    if (!Focus) Focus = button;
  }

  void FocusOn(HWND Child) { Focus = Child; }

  // Runs until a button or the close box answers, or the application is ending.
  TModalResult Run() {
    const bool ownerEnabled = Owner && IsWindowEnabled(Owner);
    if (ownerEnabled) EnableWindow(Owner, FALSE);
    ShowWindow(Window, SW_SHOWNORMAL);
    if (Focus) SetFocus(Focus);
    MSG msg{};
    while (!State.Done && !Application->Terminated() && GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (IsDialogMessageA(Window, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
    if (ownerEnabled) EnableWindow(Owner, TRUE);
    ShowWindow(Window, SW_HIDE);
    return State.Done ? State.Result : mrCancel;
  }

private:
  HWND Owner;
  HWND Window;
  HWND Focus = nullptr;
  TDialogState State;
};

LPCSTR IconOf(TMsgDlgType Type) {
  switch (Type) {
    case mtWarning: return IDI_WARNING;
    case mtError: return IDI_ERROR;
    case mtInformation: return IDI_INFORMATION;
    case mtConfirmation: return IDI_QUESTION;
    case mtCustom: break;
  }
  return nullptr;
}

HWND VisibleOwner(HWND Owner) { return Owner && IsWindowVisible(Owner) ? Owner : nullptr; }

}  // namespace

void TWin32Dialogs::ShowMessage(const std::string& Text) {
  MessageBoxA(VisibleOwner(Owner), WindowsText(Text).c_str(), Application->Title.c_str(), MB_OK | MB_TASKMODAL);
}

void TWin32Dialogs::ShowError(const std::string& Text) {
  MessageBoxA(VisibleOwner(Owner), WindowsText(Text).c_str(), Application->Title.c_str(),
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

TModalResult TWin32Dialogs::MessageDlg(const std::string& Text, TMsgDlgType Type, const TMsgDlgButtons& Buttons) {
  const std::string text = WindowsText(Text);
  const std::vector<TDialogButton> buttons = DialogButtons(Buttons);
  const SIZE textSize = MeasureText(text);
  LPCSTR icon = IconOf(Type);
  const int iconW = icon ? IconSize + Margin : 0;
  const int buttonsW = static_cast<int>(buttons.size()) * (ButtonWidth + ButtonGap) - ButtonGap;
  const int width = std::max(iconW + static_cast<int>(textSize.cx), buttonsW) + 2 * Margin;
  const int bodyH = std::max(static_cast<int>(textSize.cy), icon ? IconSize : 0);
  const int height = Margin + bodyH + Margin + ButtonHeight + Margin;

  TModalDialog dialog(VisibleOwner(Owner), Application->Title, width, height);
  if (icon) {
    HWND iconBox = dialog.Add("STATIC", "", SS_ICON, Margin, Margin, IconSize, IconSize);
    SendMessageA(iconBox, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, icon)), 0);
  }
  dialog.Add("STATIC", text, SS_LEFT | SS_NOPREFIX, Margin + iconW, Margin, textSize.cx, textSize.cy);
  int x = (width - buttonsW) / 2;
  for (const TDialogButton& b : buttons) {
    dialog.AddButton(b.Caption, b.Result, b.Default, x, height - Margin - ButtonHeight);
    x += ButtonWidth + ButtonGap;
  }
  return dialog.Run();
}

bool TWin32Dialogs::InputPassword(const std::string& Title, const std::string& Prompt, std::string& Value) {
  const int width = 300, height = 100;
  TModalDialog dialog(VisibleOwner(Owner), Title.empty() ? Application->Title : Title, width, height);
  dialog.Add("STATIC", WindowsText(Prompt), SS_LEFT | SS_NOPREFIX, Margin, 8, width - 2 * Margin, 16);
  HWND edit = dialog.Add("EDIT", Value, ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, Margin, 28,
                         width - 2 * Margin, 22);
  dialog.FocusOn(edit);
  const int buttonsX = width - Margin - 2 * ButtonWidth - ButtonGap;
  dialog.AddButton("OK", mrOk, true, buttonsX, height - Margin - ButtonHeight);
  dialog.AddButton("Cancel", mrCancel, false, buttonsX + ButtonWidth + ButtonGap, height - Margin - ButtonHeight);
  if (dialog.Run() != mrOk) return false;
  char buffer[1024];
  GetWindowTextA(edit, buffer, sizeof(buffer));
  Value = buffer;
  return true;
}
