// KestrovaSetup.exe entry point: the installer window, until it closes.
#include <windows.h>

#include "installer/install_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return kestrova::RunInstallWindow(instance);
}
