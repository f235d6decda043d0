// Paths in the installer's error texts reach the message box as UTF-8,
// converted from the ANSI code page the paths are in.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/error.h"
#include "common/os_services.h"
#include "installer/payload.h"

namespace kestrova {
namespace {

TEST(AnsiText, PathsInErrorTextsAreConvertedFromTheAnsiCodePage) {
  const wchar_t wide[] = L"C:\\nowhere\\Caf\u00e9.exe";
  char ansi[64] = {};
  BOOL lossy = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, ansi, sizeof ansi, nullptr, &lossy);
  if (lossy) GTEST_SKIP() << "the ANSI code page has no e acute";
  EXPECT_EQ(os::PathText(ansi), "C:\\nowhere\\Caf\xC3\xA9.exe");
  try {
    ExtractScreensaver(ansi);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("\"C:\\nowhere\\Caf\xC3\xA9.exe\""), std::string::npos)
        << e.what();
  }
  EXPECT_EQ(os::PathText(""), "");
}

}  // namespace
}  // namespace kestrova
