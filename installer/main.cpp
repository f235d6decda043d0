// KestrovaSetup.exe entry point: extracts the appended screensaver and
// reports what it found.
#include <windows.h>

#include <string>

#include "common/error.h"
#include "installer/payload.h"

namespace {

std::string OwnPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string Report() {
  return "ScreensaverFileName: " + kestrova::ScreensaverFileName +
         "\nOptionBits: " + kestrova::OptionBits + "\nScrTempFile: " + kestrova::ScrTempFile +
         "\nSwfTempFile: " + kestrova::SwfTempFile;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string text;
  try {
    kestrova::ExtractScreensaver(OwnPath());
    text = Report();
  } catch (const std::exception& e) {
    text = e.what();
  }
  MessageBoxA(nullptr, text.c_str(), "Screensaver installer for Kestrova",
              MB_OK | MB_ICONINFORMATION);
  return 0;
}
