// KestrovaSkinShow.exe as its users run it: a screenshot of the whole window
// in each built-in style and with each sample skin, and its command line.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/os_services.h"
#include "tests/testing/temp_dir.h"
#include "tools/skinshow/skin_show_layout.h"

namespace kestrova {
namespace {

using testing::TempDir;

// The program's path as Windows (Wine's drive Z: is the host's root) sees it.
std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

const std::string kProgram = WindowsPath(KESTROVA_SKINSHOW_EXE);
const std::string kSamples = WindowsPath(KESTROVA_SOURCE_DIR "/tests/data/skins/");

// Runs the program with `arguments`; its exit status, -1 when it did not
// start or end within a minute.
int RunSkinShow(const std::string& arguments) {
  std::string command = "\"" + kProgram + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 99);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended ? int(code) : -1;
}

struct PngSize {
  int width = -1;
  int height = -1;
};

// Width and height from a PNG file's header chunk.
PngSize ReadPngSize(const std::string& path) {
  if (!os::FileExists(path)) return {};
  const testing::Bytes png = testing::ReadFile(path);
  const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || !std::equal(signature, signature + 8, png.begin())) return {};
  auto be32 = [&](size_t at) {
    return int(png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3]);
  };
  return {be32(16), be32(20)};
}

::testing::AssertionResult WindowShot(const std::string& arguments, const std::string& png) {
  const int status = RunSkinShow(arguments + " --screenshot \"" + png + "\"");
  if (status != 0) return ::testing::AssertionFailure() << "exit status " << status;
  const PngSize size = ReadPngSize(png);
  if (size.width != skinshow::kWindowWidth || size.height != skinshow::kWindowHeight)
    return ::testing::AssertionFailure() << "picture " << size.width << "x" << size.height;
  return ::testing::AssertionSuccess();
}

TEST(SkinShow, ScreenshotOfTheWholeWindowInEveryStyleAndWithEverySampleSkin) {
  TempDir dir;
  for (const char* style : {"MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"})
    EXPECT_TRUE(WindowShot(std::string("--style ") + style, dir.File(style + std::string(".png"))))
        << style;
  const std::vector<std::pair<std::string, std::string>> skins = {
      {"blue.skn", ""},
      {"rounded.skn", ""},
      {"rounded-locked.skn", "kestrova"},
      {"rounded-infozip.skn", "kestrova"},
      {"damaged.skn", ""}};  // not loaded: the fallback look, still a picture
  for (const auto& [skin, password] : skins) {
    std::string arguments = "--skin \"" + kSamples + skin + "\"";
    if (!password.empty()) arguments += " --password " + password;
    EXPECT_TRUE(WindowShot(arguments, dir.File(skin + ".png"))) << skin;
  }
}

TEST(SkinShow, CommandLineHelpAndUsageErrors) {
  TempDir dir;
  EXPECT_EQ(RunSkinShow("--help"), 0);
  EXPECT_EQ(RunSkinShow("--style Aqua --screenshot x.png"), 2);
  EXPECT_EQ(RunSkinShow("--password secret"), 2);  // a password needs a skin
  EXPECT_EQ(RunSkinShow("--unknown"), 2);
  // Writing the picture fails: an error, not a crash or a success.
  EXPECT_EQ(RunSkinShow("--screenshot \"" + dir.File("no-such-folder\\shot.png") + "\""), 1);
}

}  // namespace
}  // namespace kestrova
