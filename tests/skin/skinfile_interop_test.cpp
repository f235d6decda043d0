// kestrova-mkskin and the reader against Info-ZIP's zip and unzip, and the
// sample skins of tests/data/skins. Host only: it runs the host tools.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "common/error.h"
#include "skin/filetheme/skin_file_reader.h"
#include "tests/testing/temp_dir.h"
#include "tools/mkskin/skin_data_writer.h"
#include "tools/mkskin/skin_folder.h"

namespace kestrova {
namespace {

using testing::Bytes;

const std::string kMkskin = KESTROVA_BINARY_DIR "/tools/mkskin/kestrova-mkskin";
const std::string kSamples = KESTROVA_SOURCE_DIR "/tests/data/skins";

struct ShellRun {
  int status;
  std::string output;
};

ShellRun Shell(const std::string& command) {
  ShellRun run{-1, ""};
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quote(const std::string& text) { return "'" + text + "'"; }

void SetMarker(const std::string& path, const char* marker) {
  Bytes bytes = testing::ReadFile(path);
  ASSERT_GE(bytes.size(), 2u);
  bytes[0] = static_cast<uint8_t>(marker[0]);
  bytes[1] = static_cast<uint8_t>(marker[1]);
  testing::WriteFile(path, bytes);
}

// Everything a reader holds, one line per entry, as --list prints it.
std::string Listing(const Tsk2SkinFileReader& skin) {
  std::string out = std::string("loaded: ") + (skin.SkinLoaded() ? "true" : "false") + "\n";
  for (const auto& [name, picture] : skin.Pictures())
    out += "picture " + name + " " + std::to_string(picture.Width()) + "x" +
           std::to_string(picture.Height()) + "\n";
  for (const std::string& item : skin.Integers()) out += "integer " + item + "\n";
  for (const std::string& item : skin.Flags()) out += "flag " + item + "\n";
  for (const std::string& item : skin.Texts()) out += "text " + item + "\n";
  return out;
}

class InteropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"zip", "unzip"})
      ASSERT_EQ(Shell(std::string("command -v ") + tool).status, 0)
          << tool << " is missing: run scripts/bootstrap";
  }
  std::string File(const std::string& name) const { return dir_.File(name); }
  testing::TempDir dir_;
};

TEST_F(InteropTest, ListPrintsEveryEntryOfTheSampleSkins) {
  ShellRun run = Shell(kMkskin + " --list " + Quote(kSamples + "/rounded.skn"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output.rfind("loaded: true\npicture SKIN2_BUTTON 240x25\n", 0), 0u) << run.output;
  for (const char* line : {"picture SKIN2_TITLEBAR5 80x28\n", "integer SKIN2_TRANSCOLOR=16711935\n",
                           "flag SKIN2_TITLEFIVESECT=1\n", "flag SKIN2_TITLEBARNEEDREGION=1\n",
                           "flag SKIN2_BOTTOMBORDERNEEDREGION=1\n", "text NAME=Rounded\n"})
    EXPECT_NE(run.output.find(line), std::string::npos) << line;
  EXPECT_EQ(run.output, Listing(Tsk2SkinFileReader(kSamples + "/rounded.skn", "")));

  ShellRun blue = Shell(kMkskin + " --list " + Quote(kSamples + "/blue.skn"));
  EXPECT_NE(blue.output.find("flag SKIN2_TITLEFIVESECT=0\n"), std::string::npos);
  EXPECT_EQ(blue.output.find("SKIN2_TITLEBAR4"), std::string::npos);
}

TEST_F(InteropTest, ListReportsAMissingPasswordAndAFileThatIsNoSkin) {
  std::string locked = Quote(kSamples + "/rounded-locked.skn");
  EXPECT_EQ(Shell(kMkskin + " --list " + locked).output, "loaded: false\n");
  EXPECT_EQ(Shell(kMkskin + " --list " + locked + " --password wrong").output, "loaded: false\n");
  EXPECT_EQ(Shell(kMkskin + " --list " + locked + " --password kestrova").output,
            Shell(kMkskin + " --list " + Quote(kSamples + "/rounded.skn")).output);

  testing::WriteFile(File("not.skn"), testing::Text("PK\x03\x04 is a zip, not a skin"));
  ShellRun run = Shell(kMkskin + " --list " + Quote(File("not.skn")));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "error: Failed to read skin file!\n");
}

TEST_F(InteropTest, SampleSkinsAreWhatTheirFoldersBuild) {
  for (const char* name : {"blue", "rounded"}) {
    std::string built = File(std::string(name) + ".skn");
    ASSERT_EQ(Shell(kMkskin + " " + Quote(kSamples + "/" + name) + " " + Quote(built)).status, 0);
    EXPECT_EQ(testing::ReadFile(built), testing::ReadFile(kSamples + "/" + name + ".skn")) << name;
  }
}

TEST_F(InteropTest, UnzipReadsOurArchivesOnceMarkedPk) {
  Bytes expected = BuildSkinData(ReadSkinFolder(kSamples + "/rounded"));
  for (const std::string password : {"", "p@ss word"}) {
    std::string archive = File("skin.zip");
    std::string option = password.empty() ? "" : " --password " + Quote(password);
    ASSERT_EQ(
        Shell(kMkskin + " " + Quote(kSamples + "/rounded") + " " + Quote(archive) + option).status,
        0);
    SetMarker(archive, "PK");
    std::string unzipPassword = password.empty() ? "" : " -P " + Quote(password);
    ShellRun test = Shell("unzip -t" + unzipPassword + " " + Quote(archive));
    EXPECT_EQ(test.status, 0) << test.output;
    ASSERT_EQ(
        Shell("unzip -o -q" + unzipPassword + " " + Quote(archive) + " -d " + Quote(dir_.Path()))
            .status,
        0);
    EXPECT_EQ(testing::ReadFile(File(kSkinMemberName)), expected) << password;
  }
}

TEST_F(InteropTest, ReaderReadsInfoZipArchivesMarkedSk) {
  std::string member = File("skindata.sk2");  // lower case: found all the same
  testing::WriteFile(member, BuildSkinData(ReadSkinFolder(kSamples + "/rounded")));
  std::string expected = Listing(Tsk2SkinFileReader(kSamples + "/rounded.skn", ""));
  for (const std::string options : {"-1", "-9", "-9 -P secret", "-1 -P secret"}) {
    std::string archive = File("zipped.skn");
    std::remove(archive.c_str());
    ShellRun run =
        Shell("cd " + Quote(dir_.Path()) + " && zip -q " + options + " zipped.skn skindata.sk2");
    ASSERT_EQ(run.status, 0) << run.output;
    SetMarker(archive, "SK");
    EXPECT_EQ(Listing(Tsk2SkinFileReader(archive, "secret")), expected) << options;
    if (options.find("-P") != std::string::npos) {
      EXPECT_FALSE(Tsk2SkinFileReader(archive, "").SkinLoaded()) << options;
    }
  }
}

TEST_F(InteropTest, AStoredMemberIsNoDeflateStreamAndEndsQuietly) {
  std::string member = File("SKINDATA.SK2");
  testing::WriteFile(member, BuildSkinData(ReadSkinFolder(kSamples + "/blue")));
  std::string archive = File("stored.skn");
  ASSERT_EQ(Shell("cd " + Quote(dir_.Path()) + " && zip -q -0 stored.skn SKINDATA.SK2").status, 0);
  SetMarker(archive, "SK");
  Tsk2SkinFileReader skin(archive, "");
  EXPECT_FALSE(skin.SkinLoaded());
  EXPECT_TRUE(skin.Pictures().empty());
}

}  // namespace
}  // namespace kestrova
