// The writing side the tests and kestrova-mkskin share: the skin data
// layout and the value lines of a skin folder.
#include <gtest/gtest.h>

#include "common/error.h"
#include "common/inflater.h"
#include "tests/testing/temp_dir.h"
#include "tools/mkskin/skin_data_writer.h"
#include "tools/mkskin/skin_folder.h"

namespace kestrova {
namespace {

uint32_t Le32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (uint32_t(bytes[at + 3]) << 24);
}

TEST(SkinDataWriter, LaysOutHeaderRecordsClosingRecordThenData) {
  std::vector<uint8_t> data = BuildSkinData({IntegerEntry("A", 7), FlagEntry("B", 1)});
  ASSERT_EQ(data.size(), 24u + 3 * 77 + 4 + 1);
  EXPECT_EQ(Le32(data, 12), 24u);
  EXPECT_EQ(Le32(data, 16), 2u);
  EXPECT_EQ(Le32(data, 20), 24u);
  EXPECT_EQ(Le32(data, 24 + 65), 24u + 3 * 77);       // A's data
  EXPECT_EQ(Le32(data, 24 + 73), 24u + 77);           // next record
  EXPECT_EQ(Le32(data, 24 + 77 + 73), 24u + 2 * 77);  // B points at the closing record
  EXPECT_EQ(Le32(data, 24 + 3 * 77 - 4), 0u);         // the closing record's next offset
  EXPECT_THROW(BuildSkinData({IntegerEntry(std::string(65, 'x'), 1)}), Error);
}

TEST(SkinDataWriter, DataStoredWithoutCompressionIsRefusedByTheInflaterAtOnce) {
  std::vector<uint8_t> data = BuildSkinData({TextEntry("T", "text")});
  MemorySource in(data.data(), data.size());
  VectorSink out;
  try {
    InflateRaw(in, out);
    ADD_FAILURE() << "inflated";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), kInflateTooManyCodes);
  }
}

TEST(SkinFolder, ValueLinesNameTheirKindAndAreChecked) {
  SkinDataEntry integer = ParseValueLine("integer SKIN2_FORMCOLOR=-16", "x");
  EXPECT_EQ(integer.type, kSkinInteger);
  EXPECT_EQ(integer.name, "SKIN2_FORMCOLOR");
  EXPECT_EQ(integer.data, (std::vector<uint8_t>{0xF0, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(ParseValueLine("flag F=255", "x").data, (std::vector<uint8_t>{255}));
  EXPECT_EQ(ParseValueLine("text T=a = b", "x").data, testing::Text("a = b"));
  for (const char* bad : {"integer A=12x", "integer A=2147483648", "flag F=256", "flag F=-1",
                          "colour C=1", "integer =1", "integerA=1", "text"}) {
    EXPECT_THROW(ParseValueLine(bad, "x"), Error) << bad;
  }
}

TEST(SkinFolder, PicturesComeFirstByFileNameThenTheValuesInOrder) {
  testing::TempDir dir;
  std::vector<uint8_t> bmp = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
                              0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 24, 0};
  bmp.resize(58, 0);
  testing::WriteFile(dir.File("SKIN2_TITLEBAR2.bmp"), bmp);
  testing::WriteFile(dir.File("SKIN2_TITLEBAR1.BMP"), bmp);
  testing::WriteFile(dir.File("notes.txt"), testing::Text("ignored"));
  testing::WriteFile(dir.File("skin.txt"),
                     testing::Text("# comment\r\n\r\nflag B=1\r\ninteger A=2\r\n"));
  std::vector<SkinDataEntry> entries = ReadSkinFolder(dir.Path());
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, "SKIN2_TITLEBAR1");
  EXPECT_EQ(entries[1].name, "SKIN2_TITLEBAR2");
  EXPECT_EQ(entries[2].name, "B");
  EXPECT_EQ(entries[3].name, "A");

  testing::WriteFile(dir.File("BROKEN.bmp"), testing::Text("BM"));
  EXPECT_THROW(ReadSkinFolder(dir.Path()), Error);
}

}  // namespace
}  // namespace kestrova
