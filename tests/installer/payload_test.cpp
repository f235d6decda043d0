#include "installer/payload.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "common/os_services.h"
#include "tests/testing/temp_dir.h"

namespace kestrova {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::Int32;
using testing::Repeat;
using testing::Text;

Bytes NameField(const Bytes& name) {
  Bytes field = name;
  field.resize(kNameFieldSize, 0);
  return field;
}

Bytes MovieTrailer(const Bytes& movie) {
  return Concat({movie, Int32(static_cast<int32_t>(movie.size()) + 4), {0x7A}});
}

Bytes Installer(const Bytes& stub, const Bytes& screensaver, const Bytes& name, uint8_t option) {
  return Concat({stub,
                 screensaver,
                 Int32(static_cast<int32_t>(screensaver.size()) + 4),
                 NameField(name),
                 {option}});
}

class ExtractionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScrTempFile.clear();
    SwfTempFile.clear();
    ScreensaverFileName.clear();
    OptionBits.clear();
    ScreensaverExtracted = false;
  }
  std::string WriteInstaller(const Bytes& bytes) {
    std::string path = dir_.File("setup.exe");
    testing::WriteFile(path, bytes);
    return path;
  }
  testing::TempDir dir_;
  testing::TempDir temp_;
  testing::ScopedTempDirectory tempEnvironment_{temp_.Path()};
};

TEST(ByteToBitString, PadsToSevenDigitsButNotEight) {
  const std::pair<int, const char*> cases[] = {
      {0, "0000000"},   {1, "0000001"},    {2, "0000010"},    {5, "0000101"},
      {127, "1111111"}, {128, "10000000"}, {200, "11001000"}, {255, "11111111"}};
  for (auto [byte, digits] : cases)
    EXPECT_EQ(ByteToBitString(static_cast<uint8_t>(byte)), digits) << byte;
}

TEST_F(ExtractionTest, ExtractsScreensaverMovieNameAndOptions) {
  Bytes movie = Text("FWS movie bytes");
  Bytes screensaver = Concat({Text("MZ screensaver code"), MovieTrailer(movie)});
  std::string path = WriteInstaller(Installer(Text("MZ stub"), screensaver, Text("Waves.scr"), 5));

  EXPECT_TRUE(ExtractScreensaver(path));
  EXPECT_EQ(ScreensaverFileName, "Waves.scr");
  EXPECT_EQ(OptionBits, "0000101");
  EXPECT_EQ(testing::ReadFile(ScrTempFile), screensaver);  // trailer included
  EXPECT_EQ(testing::ReadFile(SwfTempFile), movie);
  EXPECT_TRUE(ScreensaverExtracted);
}

TEST_F(ExtractionTest, TempFilesHavePrefixesInTheTemporaryDirectory) {
  std::string path = WriteInstaller(Installer({}, MovieTrailer(Text("m")), Text("a.scr"), 0));
  ASSERT_TRUE(ExtractScreensaver(path));
  auto base = [](const std::string& p) { return p.substr(p.find_last_of("/\\") + 1); };
  EXPECT_EQ(base(ScrTempFile).substr(0, 3), "scr");
  EXPECT_EQ(base(SwfTempFile).substr(0, 3), "swf");
  EXPECT_EQ(ScrTempFile.substr(0, temp_.Path().size()), temp_.Path());
  EXPECT_NE(ScrTempFile, SwfTempFile);
}

TEST_F(ExtractionTest, ZeroBytesAnywhereInTheNameAreSkipped) {
  Bytes name = {'a', 'b', 0, 0, 'c', 'd'};
  ASSERT_TRUE(ExtractScreensaver(WriteInstaller(Installer({}, {}, name, 1))));
  EXPECT_EQ(ScreensaverFileName, "abcd");

  Bytes padded = Concat({Repeat(0, 200), Text("x.scr")});
  ASSERT_TRUE(ExtractScreensaver(WriteInstaller(Installer({}, {}, padded, 1))));
  EXPECT_EQ(ScreensaverFileName, "x.scr");

  ASSERT_TRUE(ExtractScreensaver(WriteInstaller(Installer({}, {}, {}, 1))));
  EXPECT_EQ(ScreensaverFileName, "");
}

TEST_F(ExtractionTest, FullLengthNameUsesAll255Bytes) {
  Bytes name = Repeat('n', 255);
  ASSERT_TRUE(ExtractScreensaver(WriteInstaller(Installer({}, {}, name, 0))));
  EXPECT_EQ(ScreensaverFileName, std::string(255, 'n'));
}

TEST_F(ExtractionTest, LengthFieldsOfFourGiveEmptyFiles) {
  Bytes screensaver = MovieTrailer({});  // movie length field 4
  ASSERT_TRUE(ExtractScreensaver(WriteInstaller(Installer({}, screensaver, Text("e.scr"), 0))));
  EXPECT_EQ(testing::ReadFile(ScrTempFile), screensaver);
  EXPECT_TRUE(testing::ReadFile(SwfTempFile).empty());

  ASSERT_TRUE(ExtractScreensaver(WriteInstaller(Installer(Text("stub"), {}, Text("e.scr"), 0))));
  EXPECT_TRUE(testing::ReadFile(ScrTempFile).empty());
  EXPECT_TRUE(testing::ReadFile(SwfTempFile).empty());
}

TEST_F(ExtractionTest, MissingOrDamagedMovieTrailerStillSucceeds) {
  const Bytes screensavers[] = {
      Text("no trailer at all, just code"),
      Concat({Text("xx"), Int32(1000), {0}}),  // reaches before the start
      Concat({Text("xx"), Int32(3), {0}}),     // below 4
      Concat({Text("xx"), Int32(-7), {0}}),
      Text("ab"),  // shorter than the trailer itself
  };
  for (const auto& screensaver : screensavers) {
    ASSERT_TRUE(ExtractScreensaver(WriteInstaller(Installer({}, screensaver, Text("s.scr"), 0))));
    EXPECT_EQ(testing::ReadFile(ScrTempFile), screensaver);
    EXPECT_TRUE(testing::ReadFile(SwfTempFile).empty());
  }
}

TEST_F(ExtractionTest, StubWithoutPayloadFailsWithAReadErrorAfterOptionsAndName) {
  std::string path = WriteInstaller(Concat({Text("MZ plain stub"), Repeat(0, 300)}));
  try {
    ExtractScreensaver(path);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("carries no screensaver"), std::string::npos) << e.what();
  }
  EXPECT_EQ(OptionBits, "0000000");  // set before the failing step
  EXPECT_EQ(ScreensaverFileName, "");
  EXPECT_FALSE(ScrTempFile.empty());
  EXPECT_TRUE(testing::ReadFile(ScrTempFile).empty());
  EXPECT_FALSE(ScreensaverExtracted);
}

TEST_F(ExtractionTest, LyingOrTruncatedFilesRaiseErrors) {
  const Bytes installers[] = {
      Text("short"),                                             // under 260 bytes
      Concat({Int32(0x7FFFFFFF), Repeat('n', 255), {0}}),        // huge length
      Concat({Text("abc"), Int32(100), Repeat('n', 255), {0}}),  // reaches before start
      Concat({Int32(-1), Repeat(0, 255), {0}}),
  };
  for (const auto& bytes : installers) {
    // A good extraction before must not vouch for the failed one after it.
    ASSERT_TRUE(ExtractScreensaver(WriteInstaller(Installer({}, Text("MZ"), Text("a.scr"), 0))));
    EXPECT_THROW(ExtractScreensaver(WriteInstaller(bytes)), Error);
    EXPECT_FALSE(ScreensaverExtracted);
  }
  EXPECT_THROW(ExtractScreensaver(dir_.File("missing.exe")), Error);
}

TEST_F(ExtractionTest, TrailingSeparatorOnTheTemporaryDirectoryIsDropped) {
  std::string path = WriteInstaller(Installer({}, {}, Text("t.scr"), 0));
  ASSERT_TRUE(ExtractScreensaver(path));
  std::string without = ScrTempFile.substr(0, ScrTempFile.find_last_of("/\\"));
  {
    testing::ScopedTempDirectory withSeparator(temp_.Path() + os::PathSeparator());
    ASSERT_TRUE(ExtractScreensaver(path));
  }
  std::string with = ScrTempFile.substr(0, ScrTempFile.find_last_of("/\\"));
  EXPECT_EQ(with, without);
  EXPECT_EQ(with, temp_.Path());
}

TEST(TrimTrailingSeparator, RemovesExactlyOne) {
  EXPECT_EQ(TrimTrailingSeparator("C:\\TEMP\\"), "C:\\TEMP");
  EXPECT_EQ(TrimTrailingSeparator("C:\\TEMP"), "C:\\TEMP");
  EXPECT_EQ(TrimTrailingSeparator("/tmp//"), "/tmp/");
  EXPECT_EQ(TrimTrailingSeparator(""), "");
}

TEST(ExtractMovie, FailsQuietlyOnAMissingFile) {
  testing::TempDir dir;
  EXPECT_FALSE(ExtractMovie(dir.File("nothing.scr"), dir.File("out.swf")));
}

}  // namespace
}  // namespace kestrova
