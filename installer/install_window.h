// The installer window in plain Win32, laid out as the stored design lays
// out TFrmInstall: used until the installer is built on the component
// framework. The preview is a placeholder panel ("PreviewPlaceholder")
// until the movie player's control can be hosted.
//
//   return kestrova::RunInstallWindow(instance);  // from WinMain
#pragma once

#include <windows.h>

namespace kestrova {

// Creates the window (extracting the payload as it is created), runs the
// message loop until the window closes and returns the program's exit code.
int RunInstallWindow(HINSTANCE instance);

}  // namespace kestrova
