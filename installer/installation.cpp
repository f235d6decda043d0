#include "installer/installation.h"

#include "installer/file_name.h"
#include "installer/payload.h"
#include "installer/registry_key.h"
#include "installer/system_folders.h"

namespace kestrova {

namespace {

struct Version {
  DWORD major = 0;
  DWORD minor = 0;
};

Version SystemVersion() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  static_assert(sizeof(OSVERSIONINFOA) == 148);
  GetVersionExA(&info);  // on failure the zeroed record takes no branch below
  return {info.dwMajorVersion, info.dwMinorVersion};
}

// Turns the screensaver on and tells running programs the settings changed.
void ActivateScreensaver() {
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr, SPIF_SENDWININICHANGE);
}

void SetDefaultInRegistry(const std::string& target) {
  RegistryKey desktop = RegistryKey::OpenExisting(HKEY_CURRENT_USER, "Control Panel\\Desktop");
  desktop.SetString("SCRNSAVE.EXE", target);
  ActivateScreensaver();
}

// Windows 98 and Me read the current screensaver from system.ini, which
// lives in the Windows directory.
void SetDefaultInSystemIni(const std::string& target) {
  std::string profile = WindowsDirectory() + "\\system.ini";
  WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", target.c_str(), profile.c_str());
  ActivateScreensaver();
}

void MakeDefault(const std::string& target) {
  Version version = SystemVersion();
  if (version.major >= 5) SetDefaultInRegistry(target);
  if (version.major == 4 && (version.minor == 10 || version.minor == 90))
    SetDefaultInSystemIni(target);
}

void RecordOptionBits(const InstallRequest& request) {
  RegistryKey options =
      RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, "software\\mervale\\screenSaver");
  options.SetString(request.fileName, request.optionBits);
}

// The file name comes from the installer file, so it must not lead the copy
// anywhere but into the screensaver directory.
bool CopyIntoPlace(const InstallRequest& request, std::string& target) {
  if (!IsPlainFileName(request.fileName)) return false;
  target = ScreensaverDirectory() + "\\" + request.fileName;
  return CopyFileA(request.sourceFile.c_str(), target.c_str(), FALSE) != 0;
}

}  // namespace

InstallRequest RequestFromPayload(bool makeDefault) {
  return {ScrTempFile, ScreensaverFileName, OptionBits, makeDefault};
}

InstallMessage MessageFor(InstallOutcome outcome) {
  switch (outcome) {
    case InstallOutcome::kInstalled:
      return {"Screensaver is installed successfully.", "Congratulations"};
    case InstallOutcome::kCopyFailed:
      return {
          "Kestrova can not copy screensaver to the system directory, please run screensaver "
          "installer with administrator privilege.",
          "Error"};
    case InstallOutcome::kFailed:
      break;
  }
  return {
      "Kestrova can not install screensaver, please run screensaver installer with "
      "administrator privilege.",
      "Error"};
}

InstallOutcome InstallScreensaver(const InstallRequest& request) {
  try {
    std::string target;
    if (!CopyIntoPlace(request, target)) return InstallOutcome::kCopyFailed;
    if (request.makeDefault) MakeDefault(target);
    RecordOptionBits(request);
    return InstallOutcome::kInstalled;
  } catch (...) {
    return InstallOutcome::kFailed;
  }
}

}  // namespace kestrova
