// Which current-screensaver entry each Windows version gets. Wine fixes the
// version a process sees when it starts, so each case runs the installation
// in a probe process told its version through Wine's per-program settings.
#include <gtest/gtest.h>

#include "common/os_services.h"
#include "installer/installation.h"
#include "installer/system_folders.h"
#include "tests/installer/registry_state.h"
#include "tests/testing/temp_dir.h"

namespace kestrova {
namespace {

using testing::ReadRegistryString;

std::string OwnDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\'));
}

// Wine's per-program Windows version, removed again at the end.
class ProgramVersion {
 public:
  ProgramVersion(const std::string& program, const std::string& version)
      : key_("Software\\Wine\\AppDefaults\\" + program) {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                   static_cast<DWORD>(version.size() + 1));
    RegCloseKey(key);
  }
  ~ProgramVersion() { RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()); }

 private:
  std::string key_;
};

int RunProbe(const std::string& program, const InstallRequest& request) {
  std::string command = "\"" + OwnDirectory() + "\\" + program + "\" \"" + request.sourceFile +
                        "\" \"" + request.fileName + "\" " + request.optionBits + " " +
                        (request.makeDefault ? "1" : "0");
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

enum class Entry { kRegistry, kSystemIni, kNone };

struct VersionCase {
  const char* wineVersion;
  const char* program;
  Entry expected;
};

TEST(InstallationByVersion, CheckedBoxWritesTheEntryTheSystemReads) {
  const VersionCase cases[] = {
      {"win98", "installation_probe.exe", Entry::kSystemIni},       // 4.10
      {"winme", "installation_probe.exe", Entry::kSystemIni},       // 4.90
      {"win95", "installation_probe.exe", Entry::kNone},            // 4.0
      {"win2k", "installation_probe.exe", Entry::kRegistry},        // 5.0
      {"winxp", "installation_probe.exe", Entry::kRegistry},        // 5.1
      {"win7", "installation_probe.exe", Entry::kRegistry},         // 6.1
      {"win10", "installation_probe.exe", Entry::kRegistry},        // 6.2
      {"win10", "installation_probe_win10.exe", Entry::kRegistry},  // 10.0
  };
  const std::string desktop = "Control Panel\\Desktop";
  const std::string windowsIni = WindowsDirectory() + "\\system.ini";
  const std::string systemIni = SystemDirectory() + "\\system.ini";
  testing::TempDir dir;
  std::string source = dir.File("scr2.tmp");
  testing::WriteFile(source, testing::Text("MZ screensaver"));

  for (const VersionCase& c : cases) {
    SCOPED_TRACE(std::string(c.wineVersion) + " " + c.program);
    testing::SavedRegistryValue savedDesktop(HKEY_CURRENT_USER, desktop, "SCRNSAVE.EXE");
    testing::SavedProfileEntry savedIni(windowsIni, "boot", "SCRNSAVE.EXE");
    testing::DeleteRegistryValue(HKEY_CURRENT_USER, desktop, "SCRNSAVE.EXE");
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, windowsIni.c_str());

    std::string name = "KestrovaVersion" + os::NewGuidText().substr(1, 8) + ".scr";
    std::string target = ScreensaverDirectory() + "\\" + name;
    ProgramVersion version(c.program, c.wineVersion);
    EXPECT_EQ(RunProbe(c.program, {source, name, "1000000", true}),
              static_cast<int>(InstallOutcome::kInstalled));

    auto registry = ReadRegistryString(HKEY_CURRENT_USER, desktop, "SCRNSAVE.EXE");
    auto ini = testing::ReadProfileString(windowsIni, "boot", "SCRNSAVE.EXE");
    EXPECT_EQ(registry, c.expected == Entry::kRegistry ? std::optional(target) : std::nullopt);
    EXPECT_EQ(ini, c.expected == Entry::kSystemIni ? std::optional(target) : std::nullopt);
    EXPECT_EQ(testing::ReadProfileString(systemIni, "boot", "SCRNSAVE.EXE"), std::nullopt);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, "software\\mervale\\screenSaver", name),
              "1000000");
    EXPECT_TRUE(os::FileExists(target));

    DeleteFileA(target.c_str());
    testing::DeleteRegistryValue(HKEY_CURRENT_USER, "software\\mervale\\screenSaver", name);
  }
}

}  // namespace
}  // namespace kestrova
