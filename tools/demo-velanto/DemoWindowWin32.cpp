// The demo velanto.exe: a window that shows the version it was built as.
#include <windows.h>

namespace {

LRESULT CALLBACK DemoWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  if (Message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(Window, Message, WParam, LParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int Show) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DemoWindowProc;
  windowClass.hInstance = Instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "VelantoDemo";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("VelantoDemo", "velanto " VELANTO_DEMO_VERSION, WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, 340, 140, nullptr, nullptr, Instance, nullptr);
  CreateWindowA("STATIC", "velanto\r\nversion " VELANTO_DEMO_VERSION, WS_CHILD | WS_VISIBLE | SS_CENTER,
                0, 30, 320, 60, window, nullptr, Instance, nullptr);
  ShowWindow(window, Show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
