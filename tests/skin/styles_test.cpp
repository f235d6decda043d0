#include "skin/styles.h"

#include <gtest/gtest.h>

#include <map>

#include "common/error.h"
#include "framework/form.h"
#include "skin/filetheme.h"
#include "tests/skin/picture_sizes.h"
#include "tests/skin/pixel_test_util.h"
#include "tests/skin/skin_stand_ins.h"

namespace kestrova::skin {
namespace {

using framework::OwnedComponent;
using framework::TBitmap;
using framework::TForm;
using S = TsuiUIStyle;

constexpr S kBuiltIn[] = {S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass};

int ExpectedWidth(std::string_view name) {
  for (const auto& e : testing::kExpectedPictures)
    if (name == e.name) return e.width;
  return -1;
}

TEST(GetBuiltInBitmap, LoadsEveryDrawnPictureWholeAndByFrame) {
  for (S style : kBuiltIn) {
    for (auto [entry, frames] :
         {std::pair{1, 3}, {3, 4}, {4, 4}, {5, 18}, {10, 1}, {11, 1}, {12, 1}}) {
      TBitmap whole;
      GetBuiltInBitmap(style, entry, &whole, 0, 0);
      const std::string_view name = GetBuiltInPictureName(style, entry);
      EXPECT_EQ(whole.Width(), ExpectedWidth(name)) << name;
      TBitmap last;
      GetBuiltInBitmap(style, entry, &last, frames, frames);
      EXPECT_EQ(last.Width(), whole.Width() / frames) << name;
      EXPECT_EQ(last.Height(), whole.Height()) << name;
    }
  }
}

TEST(GetBuiltInBitmap, CutsTheMouseOverCloseButton) {
  TBitmap strip, hover;
  GetBuiltInBitmap(S::MacOS, 5, &strip, 0, 0);
  ASSERT_EQ(strip.Width(), 306);
  ASSERT_EQ(strip.Height(), 17);
  GetBuiltInBitmap(S::MacOS, 5, &hover, 18, 17);
  ASSERT_EQ(hover.Width(), 17);
  ASSERT_EQ(hover.Height(), 17);
  const PixelBuffer s = strip.ToPixelBuffer(), h = hover.ToPixelBuffer();
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x)
      ASSERT_EQ(PixelToColor(h.At(x, y)), PixelToColor(s.At(272 + x, y))) << x << "," << y;
}

TEST(GetBuiltInBitmap, LoadsAFreshCopyOnEveryRequest) {
  TBitmap first, second;
  GetBuiltInBitmap(S::MacOS, 1, &first, 0, 0);
  first.Canvas().Brush().SetColor(0x123456);
  first.Canvas().FillRect({0, 0, 10, 10});
  GetBuiltInBitmap(S::MacOS, 1, &second, 0, 0);
  EXPECT_NE(PixelToColor(second.ToPixelBuffer().At(5, 5)), 0x563412u);
}

TEST(GetBuiltInBitmap, LeavesTheDestinationForOtherKindsAndNoColumn) {
  GetBuiltInBitmap(S::MacOS, 1, nullptr, 0, 0);  // nothing happens
  for (auto [style, entry] : {std::pair{S::MacOS, 2}, {S::FromThemeFile, 1}, {S::MacOS, 43}}) {
    TBitmap kept(5, 4);
    GetBuiltInBitmap(style, entry, &kept, 0, 0);
    EXPECT_EQ(kept.Width(), 5);
    EXPECT_EQ(kept.Height(), 4);
    TBitmap cut(5, 4);
    GetBuiltInBitmap(style, entry, &cut, 3, 1);
    EXPECT_TRUE(cut.Empty());
  }
  // The pictures of controls this program lacks are not built in.
  TBitmap none;
  EXPECT_THROW(GetBuiltInBitmap(S::MacOS, 24, &none, 0, 0), Error);
}

class OwnerFormStyle : public ::testing::Test {
 protected:
  OwnedComponent<TForm> form{new TForm(nullptr)};
};

TEST_F(OwnerFormStyle, TakesTheFirstSkinnedFrameAmongTheFormsDirectChildren) {
  auto* plain = new testing::TStyledOnly(form.get());
  plain->SetParent(form.get());
  plain->SetUIStyle(S::Protein);
  auto* frame = new testing::TsuiForm(form.get());
  frame->SetParent(form.get());
  frame->SetUIStyle(S::MacOS);
  auto* second = new testing::TsuiForm(form.get());
  second->SetParent(form.get());
  second->SetUIStyle(S::WinXP);
  EXPECT_EQ(GetOwnerFormUIStyle(form.get()), S::MacOS);
}

TEST_F(OwnerFormStyle, FallsBackToDeepBlue) {
  EXPECT_EQ(GetOwnerFormUIStyle(form.get()), S::DeepBlue);
  EXPECT_EQ(GetOwnerFormUIStyle(nullptr), S::DeepBlue);
  // A frame inside a panel is not a direct child; a panel is not a form.
  auto* panel = new testing::TStyledOnly(form.get());
  panel->SetParent(form.get());
  auto* nested = new testing::TsuiForm(form.get());
  nested->SetParent(panel);
  nested->SetUIStyle(S::MacOS);
  EXPECT_EQ(GetOwnerFormUIStyle(form.get()), S::DeepBlue);
  EXPECT_EQ(GetOwnerFormUIStyle(panel), S::DeepBlue);
}

// A loaded skin with a colour, a flag and a 30 x 5 button picture.
class FakeSkin : public SkinLookup {
 public:
  FakeSkin() : button_(testing::CoordPicture(30, 5)) {}
  const TBitmap* GetBitmap(std::string_view name) const override {
    return name == "SKIN2_BUTTON" ? &button_ : nullptr;
  }
  int32_t GetInteger(std::string_view name) const override {
    return name == "SKIN2_FORMCOLOR" ? 0x123456 : name == "SKIN2_TITLEBARBUTTONPOSY" ? 7 : -1;
  }
  bool GetBool(std::string_view name) const override { return name == "SKIN2_BUTTONTRANS"; }

 private:
  TBitmap button_;
};

constexpr TsuiFileThemeBitmap kButton{15};
constexpr TsuiFileThemeBitmap kCheckBox{16};

TEST(FileTheme, AnswersEmptyValuesUntilASkinIsLoaded) {
  OwnedComponent<testing::TTestFileTheme> theme(new testing::TTestFileTheme(nullptr));
  EXPECT_FALSE(theme->Ready());
  EXPECT_EQ(theme->GetBitmap(kButton), nullptr);
  EXPECT_EQ(theme->GetColor(TsuiFileThemeColor{2}), 0);
  EXPECT_EQ(theme->GetInteger(TsuiFileThemeInt{4}), 0);
  EXPECT_FALSE(theme->GetBool(TsuiFileThemeBool{5}));
  TBitmap destination(4, 4);
  theme->GetBitmapFrame(kButton, destination, 3, 2);
  EXPECT_TRUE(destination.Empty());
}

TEST(FileTheme, LooksUpTheLoadedSkinByKey) {
  OwnedComponent<testing::TTestFileTheme> theme(new testing::TTestFileTheme(nullptr));
  theme->SetSkin(std::make_unique<FakeSkin>());
  EXPECT_TRUE(theme->Ready());
  EXPECT_EQ(theme->GetColor(TsuiFileThemeColor{2}), 0x123456);
  EXPECT_EQ(theme->GetColor(TsuiFileThemeColor{3}), -1);   // the skin lacks it
  EXPECT_EQ(theme->GetColor(TsuiFileThemeColor{40}), -1);  // no such index
  EXPECT_EQ(theme->GetInteger(TsuiFileThemeInt{4}), 7);
  EXPECT_TRUE(theme->GetBool(TsuiFileThemeBool{5}));
  EXPECT_FALSE(theme->GetBool(TsuiFileThemeBool{4}));
  ASSERT_NE(theme->GetBitmap(kButton), nullptr);

  TBitmap whole, middle, missing(3, 3);
  theme->GetBitmapFrame(kButton, whole, 0, 2);
  EXPECT_EQ(whole.Width(), 30);
  theme->GetBitmapFrame(kButton, middle, 3, 2);
  ASSERT_EQ(middle.Width(), 10);
  EXPECT_EQ(testing::SourceX(middle.ToPixelBuffer().At(0, 4)), 10);
  EXPECT_EQ(testing::SourceY(middle.ToPixelBuffer().At(0, 4)), 4);
  theme->GetBitmapFrame(kCheckBox, missing, 6, 1);
  EXPECT_TRUE(missing.Empty());

  theme->SetSkin(nullptr);
  EXPECT_FALSE(theme->Ready());
}

TEST(UsingFileTheme, DecidesForEachRequestAndTheme) {
  OwnedComponent<testing::TTestFileTheme> idle(new testing::TTestFileTheme(nullptr));
  OwnedComponent<testing::TTestFileTheme> ready(new testing::TTestFileTheme(nullptr));
  ready->SetSkin(std::make_unique<FakeSkin>());
  S effective = S::Protein;
  EXPECT_FALSE(UsingFileTheme(ready.get(), S::MacOS, effective));
  EXPECT_EQ(effective, S::MacOS);
  EXPECT_FALSE(UsingFileTheme(nullptr, S::FromThemeFile, effective));
  EXPECT_EQ(effective, S::DeepBlue);
  EXPECT_FALSE(UsingFileTheme(idle.get(), S::FromThemeFile, effective));
  EXPECT_EQ(effective, S::DeepBlue);
  EXPECT_TRUE(UsingFileTheme(ready.get(), S::FromThemeFile, effective));
  EXPECT_EQ(effective, S::FromThemeFile);
}

}  // namespace
}  // namespace kestrova::skin
