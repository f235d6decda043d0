// The installation run by the Install button: copy the screensaver into the
// system directory, make it the current screensaver when asked, record its
// option bits, and tell the user the outcome in one message box.
//
//   InstallMessage message = MessageFor(InstallScreensaver(RequestFromPayload(checked)));
//   MessageBoxA(owner, message.text, message.caption, kInstallMessageFlags);
//
// Written, in this order (nothing is undone when a later step fails):
//   1. <screensaver directory>\<file name>        copy of the extracted file
//   2. if asked, on major version 5 and later:     HKCU\Control Panel\Desktop
//                                                  SCRNSAVE.EXE = that path
//      if asked, on version 4.10 or 4.90:          <Windows directory>\system.ini
//                                                  [boot] SCRNSAVE.EXE = that path
//   3. HKCU\software\mervale\screenSaver           <file name> = option bits
#pragma once

#include <windows.h>

#include <string>

namespace kestrova {

struct InstallRequest {
  std::string sourceFile;  // the extracted screensaver (ScrTempFile)
  std::string fileName;    // its own file name (ScreensaverFileName)
  std::string optionBits;  // OptionBits
  bool makeDefault = false;
  bool sourceWhole = false;  // ScreensaverExtracted: the extraction ran to its end
};

// The request the extraction left behind, with the check box's state.
InstallRequest RequestFromPayload(bool makeDefault);

enum class InstallOutcome {
  kInstalled,   // every step succeeded
  kCopyFailed,  // the screensaver could not be copied (or was not extracted
                // whole, or is empty); nothing was written
  kFailed,      // a later step failed; what came before it stays
};

struct InstallMessage {
  const char* text;
  const char* caption;
};

InstallMessage MessageFor(InstallOutcome outcome);

// Every outcome is shown with an OK button and the information icon, errors
// included.
inline constexpr UINT kInstallMessageFlags = MB_OK | MB_ICONINFORMATION;
static_assert(kInstallMessageFlags == 64);

// Runs the installation; never raises.
InstallOutcome InstallScreensaver(const InstallRequest& request);

}  // namespace kestrova
