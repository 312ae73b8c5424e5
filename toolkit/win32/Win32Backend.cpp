#include <map>

#include <windows.h>
#include <commctrl.h>

#include "toolkit/Backend.h"
#include "toolkit/Forms.h"
#include "toolkit/win32/Win32Dialogs.h"
#include "toolkit/win32/Win32Peers.h"
#include "toolkit/win32/Win32Style.h"

namespace {

constexpr const char* FormClass = "VelantoForm";

TForm* FormOf(HWND Window) { return reinterpret_cast<TForm*>(GetWindowLongPtrA(Window, GWLP_USERDATA)); }

LRESULT CALLBACK FormProc(HWND Window, UINT Message, WPARAM W, LPARAM L) {
  TForm* form = FormOf(Window);
  switch (Message) {
    case WM_COMMAND:
      if (TWin32Peer* peer = L ? TWin32Peer::FromHandle(reinterpret_cast<HWND>(L)) : nullptr) peer->Command(HIWORD(W));
      return 0;
    case WM_DRAWITEM:
      if (TWin32Peer* peer = TWin32Peer::FromHandle(reinterpret_cast<const DRAWITEMSTRUCT*>(L)->hwndItem))
        if (peer->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(L))) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
      if (TWin32Peer* peer = TWin32Peer::FromHandle(reinterpret_cast<HWND>(L)))
        if (HBRUSH brush = peer->ColorStatic(reinterpret_cast<HDC>(W))) return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_CLOSE:
      if (form) form->Close();
      return 0;
  }
  return DefWindowProcA(Window, Message, W, L);
}

class TFormPeer : public IControlPeer {
public:
  TFormPeer(TForm& Form, HWND Window) : Form(Form), Window(Window) {}
  void Changed() override { SetWindowTextA(Window, Form.Caption().c_str()); }

private:
  TForm& Form;
  HWND Window;
};

class TWin32Backend : public IBackend {
public:
  TWin32Backend() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = FormProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hIcon = LoadIconA(cls.hInstance, "MAINICON");
    cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = FormClass;
    RegisterClassExA(&cls);
  }

  ~TWin32Backend() override {
    for (auto& [form, window] : Windows) DestroyWindow(window);
  }

  IDialogs& NativeDialogs() override { return Dialogs; }

  void Show(TForm& Form) override {
    HWND window = Realise(Form);
    ShowWindow(window, SW_SHOWNORMAL);
    // As on a form's first showing, the first tab stop takes the focus.
    if (HWND first = GetNextDlgTabItem(window, nullptr, FALSE)) SetFocus(first);
    UpdateWindow(window);
  }

  void Hide(TForm& Form) override {
    auto found = Windows.find(&Form);
    if (found != Windows.end()) ShowWindow(found->second, SW_HIDE);
  }

  void ProcessMessages() override {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      Dispatch(msg);
    }
  }

  void Run() override {
    MSG msg;
    while (!Application->Terminated() && GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  }

private:
  static void Dispatch(MSG& Msg) {
    HWND top = GetAncestor(Msg.hwnd, GA_ROOT);
    if (top && IsDialogMessageA(top, &Msg)) return;
    TranslateMessage(&Msg);
    DispatchMessageA(&Msg);
  }

  HWND Realise(TForm& Form) {
    HWND& window = Windows[&Form];
    if (window) return window;
    int left = Form.Left(), top = Form.Top();
    if (Form.Position != poDesigned) {
      left = (GetSystemMetrics(SM_CXSCREEN) - Form.Width()) / 2;
      top = (GetSystemMetrics(SM_CYSCREEN) - Form.Height()) / 2;
    }
    window = CreateWindowExA(WS_EX_CONTROLPARENT, FormClass, Form.Caption().c_str(), WS_OVERLAPPEDWINDOW, left, top,
                             Form.Width(), Form.Height(), nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&Form));
    for (TControl* control : InTabOrder(Form.Controls())) RealiseControl(*control, window);
    Form.SetPeer(std::make_unique<TFormPeer>(Form, window));
    Form.Peer()->Changed();
    Dialogs.Owner = window;
    return window;
  }

  TWin32Dialogs Dialogs;
  std::map<TForm*, HWND> Windows;
};

}  // namespace

std::unique_ptr<IBackend> CreatePlatformBackend() { return std::make_unique<TWin32Backend>(); }
