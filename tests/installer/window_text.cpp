// window_text CAPTION: prints the texts of the top-level window titled
// CAPTION and of its child windows, one a line, so that the end-to-end test
// can read what a message box really says.
#include <windows.h>

#include <cstdio>

namespace {

void PrintText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  if (text[0]) std::printf("%s\n", text);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  PrintText(child);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_text CAPTION\n");
    return 2;
  }
  HWND window = FindWindowA(nullptr, argv[1]);
  if (!window) return 1;
  PrintText(window);
  EnumChildWindows(window, PrintChild, 0);
  return 0;
}
