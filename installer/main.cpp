// KestrovaSetup.exe entry point: the installer window, until it closes.
#include <windows.h>

#include <exception>

#include "framework/application.h"
#include "installer/frm_install.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  kestrova::framework::TApplication app;
  app.Initialize();
  try {
    app.CreateForm(kestrova::FrmInstall);
  } catch (const std::exception& e) {
    app.HandleException(e);  // the window could not be built: nothing to run
    return 1;
  }
  app.Run();
  return 0;
}
