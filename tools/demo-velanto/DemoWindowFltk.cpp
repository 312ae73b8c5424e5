// The demo velanto.exe: a window that shows the version it was built as.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>

int main() {
  const char* title = "velanto " VELANTO_DEMO_VERSION;
  Fl_Window window(340, 140, title);
  Fl_Box text(0, 0, 340, 140, "velanto\nversion " VELANTO_DEMO_VERSION);
  text.labelsize(28);
  text.labelfont(FL_BOLD);
  window.end();
  window.show();
  return Fl::run();
}
