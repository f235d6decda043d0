// The program's own file name however long, a failed query, and the caption
// name converted from the ANSI code page.
#include "framework/program_file.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/error.h"

namespace kestrova::framework {
namespace {

// Answers as GetModuleFileNameA does for a file called `name`: cut to the
// buffer without a terminating zero, and the buffer's size, when too long.
FileNameQuery QueryFor(const std::string& name, int* calls) {
  return [name, calls](char* buffer, DWORD size) -> DWORD {
    ++*calls;
    if (name.size() >= size) {
      name.copy(buffer, size);
      return size;
    }
    name.copy(buffer, name.size());
    buffer[name.size()] = '\0';
    return static_cast<DWORD>(name.size());
  };
}

// A name in the ANSI code page for `wide`, if the code page can spell it.
std::optional<std::string> Ansi(const std::wstring& wide) {
  BOOL lossy = FALSE;
  int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), nullptr,
                              0, nullptr, &lossy);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), out.data(), n,
                      nullptr, &lossy);
  if (lossy) return std::nullopt;
  return out;
}

TEST(ProgramFile, NamesLongerThanMaxPathAreReadWhole) {
  int calls = 0;
  const std::string deep = "C:\\" + std::string(700, 'd') + "\\KestrovaSetup.exe";
  EXPECT_EQ(ReadFileName(QueryFor(deep, &calls)), deep);
  EXPECT_EQ(calls, 3);                     // 260, 520, 1040
  const std::string exact(MAX_PATH, 'x');  // fills the first buffer without its zero
  EXPECT_EQ(ReadFileName(QueryFor(exact, &calls)), exact);
  EXPECT_EQ(ReadFileName(QueryFor("C:\\a.exe", &calls)), "C:\\a.exe");
}

TEST(ProgramFile, AFailedOrEndlessQueryRaises) {
  int calls = 0;
  EXPECT_THROW(ReadFileName([](char*, DWORD) -> DWORD { return 0; }), Error);
  EXPECT_THROW(ReadFileName(QueryFor(std::string(40000, 'x'), &calls)), Error);
}

TEST(ProgramFile, TheRunningProgramIsNamedInFull) {
  wchar_t wide[MAX_PATH] = {};
  ASSERT_NE(GetModuleFileNameW(nullptr, wide, MAX_PATH), 0u);
  EXPECT_EQ(std::optional<std::string>(ProgramFileName()), Ansi(wide));
  EXPECT_EQ(ProgramTitle(ProgramFileName()), "framework_test");
}

TEST(ProgramFile, TitleDropsFolderAndExtensionAndIsUtf8) {
  EXPECT_EQ(ProgramTitle("C:\\a.b\\Setup"), "Setup");
  EXPECT_EQ(ProgramTitle("Waves.setup.exe"), "Waves.setup");
  const std::optional<std::string> ansi = Ansi(L"C:\\Programme\\Caf\u00e9 Setup.exe");
  if (!ansi) GTEST_SKIP() << "the ANSI code page has no e acute";
  EXPECT_EQ(ProgramTitle(*ansi), "Caf\xC3\xA9 Setup");
}

}  // namespace
}  // namespace kestrova::framework
