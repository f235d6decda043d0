#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "common/bmp.h"
#include "skin/blit.h"
#include "skin/frames.h"
#include "skin/style_table.h"
#include "tests/skin/picture_sizes.h"
#include "tests/testing/temp_dir.h"
#include "tools/skinart/bmp_file.h"
#include "tools/skinart/catalog.h"

namespace kestrova::skinart {
namespace {

using skin::TsuiUIStyle;

class BuiltInArt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pictures_ = new std::map<std::string, Picture>;
    for (auto& p : BuiltInPictures()) {
      const std::string name = p.name;
      ASSERT_TRUE(pictures_->emplace(name, std::move(p)).second) << "twice: " << name;
    }
  }
  static void TearDownTestSuite() { delete pictures_; }
  static const Picture& Get(const std::string& name) { return pictures_->at(name); }
  static std::map<std::string, Picture>* pictures_;
};
std::map<std::string, Picture>* BuiltInArt::pictures_ = nullptr;

bool IsMagenta(Pixel p) { return skin::IsColor(p, skin::kMagenta); }

TEST_F(BuiltInArt, EveryDrawnPictureHasItsNameSizeAndFrames) {
  for (const auto& e : skin::testing::kExpectedPictures) {
    ASSERT_EQ(pictures_->count(e.name), 1u) << e.name;
    const Picture& p = Get(e.name);
    EXPECT_EQ(p.pixels.Width(), e.width) << e.name;
    EXPECT_EQ(p.pixels.Height(), e.height) << e.name;
    EXPECT_EQ(p.frames, e.frames) << e.name;
  }
  // And the table's picture entries that components draw name exactly these.
  for (TsuiUIStyle s : {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                        TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass}) {
    for (int e : {1, 3, 4, 5, 10, 11, 12}) {
      EXPECT_EQ(pictures_->count(std::string(skin::GetBuiltInPictureName(s, e))), 1u) << e;
    }
  }
}

// Button frames drawn with their transparent colour (MacOS and BlueGlass)
// have see-through corners; the others are drawn opaque on the form colour,
// so any magenta would show.
TEST_F(BuiltInArt, ButtonCornersAreSeeThroughExactlyWhereTheStyleDrawsThemSo) {
  for (TsuiUIStyle s : {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                        TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass}) {
    const bool transparent = skin::GetBuiltInBool(s, skin::entry::kButtonTransparent);
    const Picture& strip = Get(std::string(skin::GetBuiltInPictureName(s, 1)));
    for (int k = 1; k <= 3; ++k) {
      const PixelBuffer f = skin::CutFrame(strip.pixels.View(), 3, k);
      const int w = f.Width(), h = f.Height();
      for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_EQ(IsMagenta(f.At(x, y)), transparent) << strip.name << " frame " << k;
      EXPECT_FALSE(IsMagenta(f.At(w / 2, h / 2))) << strip.name;
    }
  }
}

TEST_F(BuiltInArt, TitleButtonsAreSeeThroughOnlyInStylesThatDrawThemTransparent) {
  for (TsuiUIStyle s : {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                        TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass}) {
    const bool transparent = skin::GetBuiltInBool(s, skin::entry::kTitleButtonTransparent);
    const Picture& strip = Get(std::string(skin::GetBuiltInPictureName(s, 5)));
    bool anyMagenta = false;
    for (Pixel p : strip.pixels.Data()) anyMagenta |= IsMagenta(p);
    EXPECT_EQ(anyMagenta, transparent) << strip.name;
    if (transparent) {
      const PixelBuffer close = skin::CutFrame(strip.pixels.View(), 18, 16);
      EXPECT_TRUE(IsMagenta(close.At(0, 0))) << strip.name;
    }
  }
}

TEST_F(BuiltInArt, StateFramesDifferFromEachOther) {
  auto differ = [](const PixelBuffer& a, const PixelBuffer& b) { return a.Data() != b.Data(); };
  for (const auto& e : skin::testing::kExpectedPictures) {
    const Picture& p = Get(e.name);
    if (p.frames == 1) continue;
    std::vector<PixelBuffer> frames;
    for (int k = 1; k <= p.frames; ++k)
      frames.push_back(skin::CutFrame(p.pixels.View(), p.frames, k));
    for (int i = 0; i < p.frames; ++i)
      for (int j = i + 1; j < p.frames; ++j)
        EXPECT_TRUE(differ(frames[i], frames[j])) << e.name << " frames " << i + 1 << ", " << j + 1;
  }
}

TEST_F(BuiltInArt, MenuCheckMarkSitsOnWhite) {
  const Picture& p = Get("MENU_CHECKED");
  EXPECT_EQ(PixelToColor(p.pixels.At(0, 0)), 0xFFFFFFu);
  int dark = 0;
  for (Pixel px : p.pixels.Data()) dark += PixelG(px) < 0x60;
  EXPECT_GT(dark, 10);
}

TEST_F(BuiltInArt, PicturesWrittenAsBmpReadBackUnchanged) {
  kestrova::testing::TempDir dir;
  const Picture& p = Get("MACOS_BUTTON");
  WriteBmpFile(dir.File("p.bmp"), p.pixels.View());
  const PixelBuffer back = DecodeBmp(kestrova::testing::ReadFile(dir.File("p.bmp")));
  ASSERT_EQ(back.Width(), p.pixels.Width());
  ASSERT_EQ(back.Height(), p.pixels.Height());
  for (int y = 0; y < back.Height(); ++y)
    for (int x = 0; x < back.Width(); ++x)
      ASSERT_EQ(PixelToColor(back.At(x, y)), PixelToColor(p.pixels.At(x, y))) << x << "," << y;
}

}  // namespace
}  // namespace kestrova::skinart
