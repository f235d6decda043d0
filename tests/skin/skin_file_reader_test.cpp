#include "skin/filetheme/skin_file_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "common/bmp.h"
#include "common/error.h"
#include "skin/filetheme/binary_file.h"
#include "tests/testing/temp_dir.h"
#include "tools/mkskin/skin_data_writer.h"
#include "tools/mkskin/zip_writer.h"

namespace kestrova {
namespace {

using testing::Bytes;

Bytes U32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }

// One 77-byte record; the name is copied without a terminator of its own.
Bytes Record(const std::string& name, uint8_t type, uint32_t data, uint32_t size, uint32_t next) {
  Bytes record(64, 0);
  std::memcpy(record.data(), name.data(), std::min<size_t>(name.size(), 64));
  return testing::Concat({record, {type}, U32(data), U32(size), U32(next)});
}

Bytes Header(uint32_t headerSize, uint32_t firstRecord) {
  return testing::Concat({Bytes(12, 'h'), U32(headerSize), U32(0), U32(firstRecord)});
}

Bytes SmallBmp(int width, int height, Pixel fill) {
  return EncodeBmp24(PixelBuffer(width, height, fill).View());
}

class SkinFileReaderTest : public ::testing::Test {
 protected:
  std::string WriteSkin(const Bytes& skinData, const std::string& password = "") {
    ZipMemberInput member;
    member.name = kSkinMemberName;
    member.data = skinData;
    member.password = password;
    std::string path = dir_.File("test.skn");
    testing::WriteFile(path, BuildZip({"SK", "", {member}}));
    return path;
  }
  Tsk2SkinFileReader Load(const std::vector<SkinDataEntry>& entries) {
    return Tsk2SkinFileReader(WriteSkin(BuildSkinData(entries)), "");
  }
  std::string LoadError(const Bytes& skinData) {
    try {
      Tsk2SkinFileReader skin(WriteSkin(skinData), "");
    } catch (const Error& e) {
      return e.what();
    }
    return "no error";
  }
  bool TempEmpty() const { return std::filesystem::is_empty(temp_.Path()); }

  testing::TempDir dir_;
  testing::TempDir temp_;
  testing::ScopedTempDirectory tempEnvironment_{temp_.Path()};
};

// ---- Loading -------------------------------------------------------------

TEST_F(SkinFileReaderTest, FileThatIsNoSkinArchiveRaisesTheReadFailure) {
  std::string path = dir_.File("plain.zip");
  ZipMemberInput member;
  member.name = kSkinMemberName;
  member.data = BuildSkinData({});
  testing::WriteFile(path, BuildZip({"PK", "", {member}}));
  for (const std::string& file : {path, dir_.File("missing.skn")}) {
    try {
      Tsk2SkinFileReader skin(file, "");
      ADD_FAILURE() << file << " loaded";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), kSkinReadFailed);
    }
  }
  EXPECT_TRUE(TempEmpty());
}

TEST_F(SkinFileReaderTest, MissingOrWrongPasswordEndsQuietlyWithoutASkin) {
  std::string path = WriteSkin(BuildSkinData({IntegerEntry("A", 1)}), "right");
  for (const char* password : {"", "wrong"}) {
    Tsk2SkinFileReader skin(path, password);
    EXPECT_FALSE(skin.SkinLoaded()) << password;
    EXPECT_TRUE(skin.Integers().empty());
  }
  Tsk2SkinFileReader skin(path, "right");
  EXPECT_TRUE(skin.SkinLoaded());
  EXPECT_EQ(skin.GetInteger("A"), 1);
  EXPECT_TRUE(TempEmpty());
}

// ---- The record list ---------------------------------------------------------

TEST_F(SkinFileReaderTest, AListOfOnlyTheClosingRecordIsAnEmptySkin) {
  Tsk2SkinFileReader skin = Load({});
  EXPECT_TRUE(skin.SkinLoaded());
  EXPECT_TRUE(skin.Pictures().empty());
  EXPECT_TRUE(skin.Integers().empty());
  EXPECT_TRUE(skin.Flags().empty());
  EXPECT_TRUE(skin.Texts().empty());
  EXPECT_TRUE(TempEmpty());
}

TEST_F(SkinFileReaderTest, EachKindOfEntryGoesToItsListInOrder) {
  Tsk2SkinFileReader skin = Load({IntegerEntry("SKIN2_FORMCOLOR", -5),
                                  PictureEntry("SKIN2_BUTTON", SmallBmp(3, 2, MakePixel(9, 8, 7))),
                                  FlagEntry("SKIN2_BUTTONTRANS", 200), TextEntry("AUTHOR", "a=b c"),
                                  IntegerEntry("SKIN2_TITLEBARICONPOSX", 2147483647)});
  ASSERT_TRUE(skin.SkinLoaded());
  ASSERT_EQ(skin.Pictures().size(), 1u);
  EXPECT_EQ(skin.Pictures()[0].first, "SKIN2_BUTTON");
  EXPECT_EQ(skin.Pictures()[0].second.Width(), 3);
  EXPECT_EQ(skin.Pictures()[0].second.At(2, 1), MakePixel(9, 8, 7));
  EXPECT_EQ(skin.Integers(),
            (std::vector<std::string>{"SKIN2_FORMCOLOR=-5", "SKIN2_TITLEBARICONPOSX=2147483647"}));
  EXPECT_EQ(skin.Flags(), (std::vector<std::string>{"SKIN2_BUTTONTRANS=200"}));
  EXPECT_EQ(skin.Texts(), (std::vector<std::string>{"AUTHOR=a=b c"}));
}

TEST_F(SkinFileReaderTest, UnknownTypesAreSkippedAndTheListGoesOn) {
  Tsk2SkinFileReader skin =
      Load({IntegerEntry("A", 1), SkinDataEntry{"X", 7, {1, 2, 3}}, IntegerEntry("B", 2)});
  EXPECT_EQ(skin.Integers(), (std::vector<std::string>{"A=1", "B=2"}));
}

TEST_F(SkinFileReaderTest, ARecordWhoseNextOffsetIsZeroIsNotAnEntry) {
  // Records at 24 and 101; the second closes the list although it names B.
  Bytes data = testing::Concat({Header(24, 24), Record("A", kSkinInteger, 178, 4, 101),
                                Record("B", kSkinInteger, 182, 4, 0), U32(11), U32(22)});
  Tsk2SkinFileReader skin(WriteSkin(data), "");
  EXPECT_TRUE(skin.SkinLoaded());
  EXPECT_EQ(skin.Integers(), (std::vector<std::string>{"A=11"}));
}

TEST_F(SkinFileReaderTest, ANameOfSixtyFourCharactersHasNoTerminator) {
  std::string name(64, 'N');
  Tsk2SkinFileReader skin = Load({IntegerEntry(name, 3)});
  EXPECT_EQ(skin.Integers()[0], name + "=3");
  EXPECT_EQ(skin.GetInteger(name), 3);
}

TEST_F(SkinFileReaderTest, ValuesOfOtherSizesAreClippedOrFillTheLowBytes) {
  Tsk2SkinFileReader skin = Load({SkinDataEntry{"Short", kSkinInteger, {0x34, 0x12}},
                                  SkinDataEntry{"Long", kSkinInteger, {1, 0, 0, 0, 9, 9, 9, 9}},
                                  SkinDataEntry{"Empty", kSkinInteger, {}},
                                  SkinDataEntry{"Wide", kSkinFlag, {0, 1, 1, 1}}});
  EXPECT_EQ(skin.Integers(), (std::vector<std::string>{"Short=4660", "Long=1", "Empty=0"}));
  EXPECT_EQ(skin.Flags(), (std::vector<std::string>{"Wide=0"}));
}

TEST_F(SkinFileReaderTest, AHeaderLongerThan24BytesIsClipped) {
  Bytes data = testing::Concat(
      {Header(4000, 24), Record("A", kSkinInteger, 178, 4, 101), Record("", 0, 0, 0, 0), U32(5)});
  Tsk2SkinFileReader skin(WriteSkin(data), "");
  EXPECT_EQ(skin.GetInteger("A"), 5);
}

TEST_F(SkinFileReaderTest, BrokenSkinDataRaisesAndLeavesNoTemporaryFile) {
  const struct {
    const char* what;
    Bytes data;
    const char* message;
  } cases[] = {
      {"record past the end", Header(24, 500), kStreamReadError},
      {"data past the end",
       testing::Concat(
           {Header(24, 24), Record("P", kSkinText, 24, 100000, 101), Record("", 0, 0, 0, 0)}),
       kStreamReadError},
      {"records in a loop",
       testing::Concat(
           {Header(24, 24), Record("A", kSkinFlag, 0, 1, 101), Record("B", kSkinFlag, 0, 1, 24)}),
       kSkinRecordsLoop},
      {"record pointing at itself", testing::Concat({Header(24, 24), Record("A", 9, 0, 0, 24)}),
       kSkinRecordsLoop},
      {"picture that is no BMP",
       testing::Concat(
           {Header(24, 24), Record("P", kSkinPicture, 0, 24, 101), Record("", 0, 0, 0, 0)}),
       kBmpNotBmp},
      {"header cut short", Bytes(10, 0), kStreamReadError},
      // A seek beyond 2 GB fails; the read after it must not go on from
      // where the file was (there, a closing record or two bytes of text).
      {"next record beyond 2 GB",
       testing::Concat({Header(24, 24),
                        Record("A", kSkinFlag, 101, 1, 0x80000000u),
                        {1},
                        Record("", 0, 0, 0, 0)}),
       kStreamReadError},
      {"data beyond 2 GB",
       testing::Concat(
           {Header(24, 24), Record("T", kSkinText, 0x80000000u, 2, 101), Record("", 0, 0, 0, 0)}),
       kStreamReadError},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LoadError(c.data), c.message) << c.what;
    EXPECT_TRUE(TempEmpty()) << c.what;
  }
}

// ---- Look-ups -------------------------------------------------------------------

TEST_F(SkinFileReaderTest, LookUpsIgnoreCaseAndTheFirstStoredWins) {
  Tsk2SkinFileReader skin = Load({PictureEntry("Pic", SmallBmp(1, 1, 0)),
                                  PictureEntry("PIC", SmallBmp(2, 2, 0)), IntegerEntry("Size", 1),
                                  IntegerEntry("SIZE", 2), FlagEntry("On", 0), FlagEntry("ON", 1)});
  ASSERT_NE(skin.GetBitmap("pic"), nullptr);
  EXPECT_EQ(skin.GetBitmap("pic")->Width(), 1);
  EXPECT_EQ(skin.GetInteger("sIzE"), 1);
  EXPECT_FALSE(skin.GetBool("on"));
}

TEST_F(SkinFileReaderTest, AbsentNamesGiveNoneMinusOneAndFalse) {
  Tsk2SkinFileReader skin = Load({FlagEntry("Flag", 1), IntegerEntry("Int", 4)});
  EXPECT_EQ(skin.GetBitmap("Flag"), nullptr);
  EXPECT_EQ(skin.GetInteger("Flag"), -1);  // flags are not integers
  EXPECT_EQ(skin.GetInteger("Missing"), -1);
  EXPECT_FALSE(skin.GetBool("Int"));
  EXPECT_FALSE(skin.GetBool("Missing"));
  EXPECT_TRUE(skin.GetBool("FLAG"));
  EXPECT_FALSE(skin.GetBool(""));
}

TEST_F(SkinFileReaderTest, IntegersOutsideTheDecimalFormGiveMinusOne) {
  // Texts and flags can never be malformed, but an entry name holding '='
  // moves the value part: "A=B" stored as 7 reads back as "A" = "B=7".
  Tsk2SkinFileReader skin = Load({IntegerEntry("A=B", 7), IntegerEntry("Neg", -12)});
  EXPECT_EQ(skin.GetInteger("A"), -1);
  EXPECT_EQ(skin.GetInteger("Neg"), -12);
}

}  // namespace
}  // namespace kestrova
