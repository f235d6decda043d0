// The installation against the real file system and registry of the Wine
// prefix. Each test installs under a name of its own and puts back every
// value it may have changed.
#include "installer/installation.h"

#include <gtest/gtest.h>

#include "common/os_services.h"
#include "installer/payload.h"
#include "installer/system_folders.h"
#include "tests/installer/registry_state.h"
#include "tests/testing/temp_dir.h"

namespace kestrova {
namespace {

using testing::ReadRegistryString;

constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kOptionsKey = "software\\mervale\\screenSaver";
const testing::Bytes kScreensaver = testing::Text("MZ sample screensaver bytes");

class InstallationTest : public ::testing::Test {
 protected:
  InstallationTest()
      : name_("KestrovaTest" + os::NewGuidText().substr(1, 8) + ".scr"),
        target_(ScreensaverDirectory() + "\\" + name_) {
    testing::WriteFile(source_, kScreensaver);
  }
  ~InstallationTest() override {
    DeleteFileA(target_.c_str());
    RemoveDirectoryA(target_.c_str());
    testing::DeleteRegistryValue(HKEY_CURRENT_USER, kOptionsKey, name_);
  }

  InstallRequest Request(bool makeDefault) const {
    return {source_, name_, "0000101", makeDefault, true};
  }
  std::optional<std::string> OptionBits(const std::string& name) const {
    return ReadRegistryString(HKEY_CURRENT_USER, kOptionsKey, name);
  }
  std::optional<std::string> CurrentScreensaver() const {
    return ReadRegistryString(HKEY_CURRENT_USER, kDesktop, "SCRNSAVE.EXE");
  }
  std::optional<std::string> SystemIniEntry(const std::string& directory) const {
    return testing::ReadProfileString(directory + "\\system.ini", "boot", "SCRNSAVE.EXE");
  }
  bool Installed() const {
    return os::FileExists(target_) && testing::ReadFile(target_) == kScreensaver;
  }

  testing::TempDir dir_;
  std::string source_ = dir_.File("scr1.tmp");
  std::string name_;
  std::string target_;
  testing::SavedRegistryValue desktop_{HKEY_CURRENT_USER, kDesktop, "SCRNSAVE.EXE"};
  testing::SavedProfileEntry systemIni_{WindowsDirectory() + "\\system.ini", "boot",
                                        "SCRNSAVE.EXE"};
  std::optional<std::string> desktopBefore_ = CurrentScreensaver();
};

TEST(InstallMessages, AreTheSystemsOwnTexts) {
  InstallMessage installed = MessageFor(InstallOutcome::kInstalled);
  EXPECT_STREQ(installed.text, "Screensaver is installed successfully.");
  EXPECT_STREQ(installed.caption, "Congratulations");
  InstallMessage copyFailed = MessageFor(InstallOutcome::kCopyFailed);
  EXPECT_STREQ(copyFailed.text,
               "Kestrova can not copy screensaver to the system directory, please run screensaver "
               "installer with administrator privilege.");
  EXPECT_STREQ(copyFailed.caption, "Error");
  InstallMessage failed = MessageFor(InstallOutcome::kFailed);
  EXPECT_STREQ(failed.text,
               "Kestrova can not install screensaver, please run screensaver installer with "
               "administrator privilege.");
  EXPECT_STREQ(failed.caption, "Error");
}

TEST(DirectoryFromBuffer, TakesTextUpToZeroAndDropsOneTrailingBackslash) {
  const char withSlash[] = "C:\\windows\\system32\\\0junk";
  EXPECT_EQ(DirectoryFromBuffer(withSlash, sizeof withSlash), "C:\\windows\\system32");
  const char without[] = "C:\\windows\\system32\0junk";
  EXPECT_EQ(DirectoryFromBuffer(without, sizeof without), "C:\\windows\\system32");
  const char root[] = "C:\\\\";
  EXPECT_EQ(DirectoryFromBuffer(root, sizeof root), "C:\\");
  const char full[3] = {'C', ':', '\\'};  // no terminating zero within the buffer
  EXPECT_EQ(DirectoryFromBuffer(full, sizeof full), "C:");
}

TEST(ScreensaverDirectory, NamesWhereA32BitProgramsFilesReallyAre) {
  char wow64[MAX_PATH] = {};
  if (IsWow64()) {
    ASSERT_NE(GetSystemWow64DirectoryA(wow64, MAX_PATH), 0u);
    EXPECT_EQ(ScreensaverDirectory(), DirectoryFromBuffer(wow64, MAX_PATH));
    EXPECT_NE(ScreensaverDirectory(), SystemDirectory());
  } else {
    EXPECT_EQ(ScreensaverDirectory(), SystemDirectory());
  }
}

TEST_F(InstallationTest, UncheckedCopiesAndRecordsOptionBitsOnly) {
  EXPECT_EQ(InstallScreensaver(Request(false)), InstallOutcome::kInstalled);
  EXPECT_TRUE(Installed());
  EXPECT_EQ(OptionBits(name_), "0000101");
  EXPECT_EQ(CurrentScreensaver(), desktopBefore_);
}

TEST_F(InstallationTest, CheckedNamesTheInstalledFileAsCurrentScreensaver) {
  EXPECT_EQ(InstallScreensaver(Request(true)), InstallOutcome::kInstalled);
  EXPECT_TRUE(Installed());
  EXPECT_EQ(CurrentScreensaver(), target_);
  EXPECT_EQ(OptionBits(name_), "0000101");
}

TEST_F(InstallationTest, ReplacesAnExistingFileWithoutAsking) {
  testing::WriteFile(target_, testing::Text("an older screensaver, longer than the new one"));
  EXPECT_EQ(InstallScreensaver(Request(false)), InstallOutcome::kInstalled);
  EXPECT_TRUE(Installed());
}

TEST_F(InstallationTest, NamesThatAreNotPlainFileNamesAreCopyFailures) {
  const std::string directory = ScreensaverDirectory();
  const std::string names[] = {"",
                               ".",
                               "..",
                               "..\\escaped.scr",
                               "sub/x.scr",
                               "C:x.scr",
                               "a\tb.scr",
                               directory + "\\x.scr",
                               "\\\\h\\s.scr",
                               "NUL.scr",
                               "con",
                               "Com1.scr",
                               "LPT9.scr"};
  for (const std::string& name : names) {
    InstallRequest request = Request(true);
    request.fileName = name;
    EXPECT_EQ(InstallScreensaver(request), InstallOutcome::kCopyFailed) << name;
    EXPECT_EQ(OptionBits(name), std::nullopt) << name;
  }
  EXPECT_FALSE(os::FileExists(directory + "\\..\\escaped.scr"));
  EXPECT_EQ(CurrentScreensaver(), desktopBefore_);
}

TEST_F(InstallationTest, UnwritableTargetOrMissingSourceWritesNothing) {
  ASSERT_TRUE(CreateDirectoryA(target_.c_str(), nullptr));
  EXPECT_EQ(InstallScreensaver(Request(true)), InstallOutcome::kCopyFailed);
  ASSERT_TRUE(RemoveDirectoryA(target_.c_str()));

  InstallRequest missing = Request(true);
  missing.sourceFile = dir_.File("never-extracted.tmp");
  EXPECT_EQ(InstallScreensaver(missing), InstallOutcome::kCopyFailed);

  EXPECT_FALSE(os::FileExists(target_));
  EXPECT_EQ(OptionBits(name_), std::nullopt);
  EXPECT_EQ(CurrentScreensaver(), desktopBefore_);
}

// After a failed or partial extraction (or one that gave an empty file) the
// installed screensaver stays as it was: the copy failure, nothing written.
TEST_F(InstallationTest, NoWholeExtractedScreensaverNeverReplacesTheInstalledOne) {
  const testing::Bytes installed = testing::Text("the screensaver installed before");
  testing::WriteFile(target_, installed);
  InstallRequest partial = Request(true);
  partial.sourceWhole = false;
  EXPECT_EQ(InstallScreensaver(partial), InstallOutcome::kCopyFailed);

  testing::WriteFile(source_, {});
  EXPECT_EQ(InstallScreensaver(Request(true)), InstallOutcome::kCopyFailed);

  EXPECT_EQ(testing::ReadFile(target_), installed);
  EXPECT_EQ(OptionBits(name_), std::nullopt);
  EXPECT_EQ(CurrentScreensaver(), desktopBefore_);
}

TEST_F(InstallationTest, TheRequestFromTheExtractionSaysWhetherItRanToItsEnd) {
  ScreensaverExtracted = false;
  EXPECT_FALSE(RequestFromPayload(false).sourceWhole);
  ScreensaverExtracted = true;
  EXPECT_TRUE(RequestFromPayload(false).sourceWhole);
  ScreensaverExtracted = false;
}

TEST_F(InstallationTest, MissingDesktopKeyFailsAfterTheCopyAndIsNotCreated) {
  {
    testing::RemovedRegistryKey removed(HKEY_CURRENT_USER, kDesktop);
    EXPECT_EQ(InstallScreensaver(Request(false)), InstallOutcome::kInstalled);
    EXPECT_EQ(InstallScreensaver(Request(true)), InstallOutcome::kFailed);
    HKEY probe;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kDesktop, 0, KEY_READ, &probe), ERROR_SUCCESS);
    testing::DeleteRegistryValue(HKEY_CURRENT_USER, kOptionsKey, name_);
  }
  EXPECT_TRUE(Installed());                         // the copy stays
  EXPECT_EQ(OptionBits(name_), std::nullopt);       // the failed step stopped the rest
  EXPECT_EQ(CurrentScreensaver(), desktopBefore_);  // and the key came back whole
}

TEST_F(InstallationTest, ReadOnlyOptionsKeyIsAGeneralFailure) {
  testing::ReadOnlyRegistryKey readOnly(HKEY_CURRENT_USER, kOptionsKey);
  EXPECT_EQ(InstallScreensaver(Request(false)), InstallOutcome::kFailed);
  EXPECT_TRUE(Installed());
  EXPECT_EQ(OptionBits(name_), std::nullopt);
}

}  // namespace
}  // namespace kestrova
