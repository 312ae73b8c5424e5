// Waits two minutes, then ends: a named child process for tests that terminate processes.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Sleep(120000);
  return 0;
}
