#include "skin/drawing.h"

#include <gtest/gtest.h>

#include "framework/custom_control.h"
#include "skin/blit.h"
#include "skin/gradients.h"
#include "skin/styles.h"
#include "tests/skin/pixel_test_util.h"
#include "tests/skin/skin_stand_ins.h"

namespace kestrova::skin {
namespace {

using framework::OwnedComponent;
using framework::TBitmap;
using framework::TWinControl;
using testing::kBackground;

// The MacOS button's hover frame with magenta corners.
PixelBuffer ButtonFrame() {
  TBitmap frame;
  GetBuiltInBitmap(TsuiUIStyle::MacOS, entry::kButton, &frame, 3, 2);
  return frame.ToPixelBuffer();
}

void ExpectSameColors(const PixelBuffer& a, const PixelBuffer& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      ASSERT_EQ(PixelToColor(a.At(x, y)), PixelToColor(b.At(x, y))) << x << "," << y;
}

// The canvas versions draw exactly what the pixel routines compute.
TEST(CanvasDrawing, NinePartMatchesThePixelRoutine) {
  const PixelBuffer frame = ButtonFrame();
  ASSERT_TRUE(IsColor(frame.At(0, 0), kMagenta));
  for (bool transparent : {false, true}) {
    for (auto [w, h] : {std::pair{80, 27}, {40, 12}, {200, 60}}) {
      PixelBuffer expected(w, h, kBackground);
      DrawNinePart(frame.View(), expected.View(), {0, 0, w, h}, transparent);
      TBitmap picture(frame), target(expected.Width(), expected.Height());
      target.LoadPixels(PixelBuffer(w, h, kBackground));
      DrawNinePart(picture, target.Canvas(), RECT{0, 0, w, h}, transparent);
      ExpectSameColors(target.ToPixelBuffer(), expected);
    }
  }
}

TEST(CanvasDrawing, ThreePartMatchesThePixelRoutine) {
  PixelBuffer strip = testing::CoordPicture(30, 6);
  strip.At(0, 0) = strip.At(29, 5) = ColorToPixel(kMagenta);
  for (auto [left, right] : {std::pair{3, 9}, {2, 50}, {0, 20}}) {
    for (bool masked : {false, true}) {
      PixelBuffer expected(60, 10, kBackground);
      DrawThreePart(strip.View(), expected.View(), {left, 2, right, 9}, kMagenta, masked);
      TBitmap picture(strip), target(60, 10);
      target.LoadPixels(PixelBuffer(60, 10, kBackground));
      DrawThreePart(picture, target.Canvas(), RECT{left, 2, right, 9}, kMagenta, masked);
      ExpectSameColors(target.ToPixelBuffer(), expected);
    }
  }
}

TEST(CanvasDrawing, GradientsOfOneLineAndSystemColours) {
  TBitmap target(6, 6);
  target.LoadPixels(PixelBuffer(6, 6, kBackground));
  DrawVerticalGradient(target.Canvas(), RECT{0, 2, 6, 3}, 0x0000FF, 0x00FF00);
  DrawHorizontalGradient(target.Canvas(), RECT{0, 4, 5, 6}, framework::clBtnFace, 0xFF0000);
  const PixelBuffer out = target.ToPixelBuffer();
  for (int x = 0; x < 6; ++x) EXPECT_EQ(PixelToColor(out.At(x, 2)), 0x00FF00u);
  EXPECT_EQ(out.At(0, 1), kBackground);
  EXPECT_EQ(PixelToColor(out.At(0, 4)), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
  EXPECT_EQ(PixelToColor(out.At(4, 5)), 0xFF0000u);
  EXPECT_EQ(out.At(5, 5), kBackground);
}

TEST(CanvasDrawing, EllipsisTextMeasuresWithTheCanvasFont) {
  TBitmap target(10, 10);
  framework::TCanvas& canvas = target.Canvas();
  EXPECT_EQ(EllipsisText(canvas, "Screensaver", 1000), "Screensaver");
  EXPECT_EQ(EllipsisText(canvas, "Screensaver", 1), "S...");
  const std::string fitted = EllipsisText(canvas, "Screensaver installer", 60);
  EXPECT_GE(canvas.TextWidth(fitted), 60);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
}

// A parent that paints a marker pixel at (12, 23) over its background.
class MarkedParent : public framework::TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override { Canvas().SetPixel(12, 23, 0x00FF00); }
};

TEST(ParentBackground, ParentPaintsShiftedAndClippedIntoTheCanvas) {
  OwnedComponent<MarkedParent> parent(new MarkedParent(nullptr));
  parent->SetBounds(0, 0, 50, 40);
  parent->SetColor(0x0000FF);
  auto* child = new testing::TSkinnedControl(parent.get());
  child->SetParent(parent.get());
  child->SetBounds(10, 20, 60, 30);  // reaches past the parent's client area

  TBitmap buffer(60, 30);
  buffer.LoadPixels(PixelBuffer(60, 30, kBackground));
  DrawParentBackground(buffer.Canvas(), *child);
  const PixelBuffer out = buffer.ToPixelBuffer();
  EXPECT_EQ(PixelToColor(out.At(0, 0)), 0x0000FFu);    // parent's (10, 20)
  EXPECT_EQ(PixelToColor(out.At(2, 3)), 0x00FF00u);    // the marker at (12, 23)
  EXPECT_EQ(PixelToColor(out.At(39, 19)), 0x0000FFu);  // parent's (49, 39)
  EXPECT_EQ(out.At(40, 0), kBackground);               // beyond the parent's width
  EXPECT_EQ(out.At(0, 20), kBackground);               // beyond its height
}

TEST(ParentBackground, ControlWithoutParentIsLeftAlone) {
  OwnedComponent<testing::TSkinnedControl> orphan(new testing::TSkinnedControl(nullptr));
  TBitmap buffer(8, 8);
  buffer.LoadPixels(PixelBuffer(8, 8, kBackground));
  DrawParentBackground(buffer.Canvas(), *orphan);
  for (Pixel p : buffer.ToPixelBuffer().Data()) EXPECT_EQ(p, kBackground);
}

TEST(ControlHelpers, SetControlBoundsAndInclusiveHitTest) {
  OwnedComponent<testing::TSkinnedControl> control(new testing::TSkinnedControl(nullptr));
  SetControlBounds(*control, RECT{5, 6, 25, 46});
  EXPECT_EQ(control->Left(), 5);
  EXPECT_EQ(control->Top(), 6);
  EXPECT_EQ(control->Width(), 20);
  EXPECT_EQ(control->Height(), 40);
  EXPECT_TRUE(InRect(POINT{25, 46}, RECT{5, 6, 25, 46}));
  EXPECT_FALSE(InRect(26, 46, RECT{5, 6, 25, 46}));
  EXPECT_TRUE(HasPublishedProperty(*control, "UIStyle"));
  EXPECT_TRUE(HasPublishedProperty(*control, "filetheme"));  // names compare without case
  EXPECT_FALSE(HasPublishedProperty(*control, "Glyph"));
}

TEST(ControlHelpers, FormActivityAndWorkAreaWithoutApplication) {
  OwnedComponent<framework::TForm> form(new framework::TForm(nullptr));
  EXPECT_FALSE(IsFormActive(form.get()));
  EXPECT_FALSE(IsFormActive(nullptr));
  RECT system{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &system, 0);
  const RECT work = GetWorkArea();
  EXPECT_EQ(work.left, system.left);
  EXPECT_EQ(work.right, system.right);
  EXPECT_EQ(work.bottom, system.bottom);
}

TEST(ApplyStyleToChildren, ReachesOnlyDirectSkinnedChildrenThemeFirst) {
  OwnedComponent<testing::TSkinnedControl> frame(new testing::TSkinnedControl(nullptr));
  OwnedComponent<testing::TTestFileTheme> theme(new testing::TTestFileTheme(nullptr));
  auto* direct = new testing::TSkinnedControl(frame.get());
  direct->SetParent(frame.get());
  auto* styledOnly = new testing::TStyledOnly(frame.get());
  styledOnly->SetParent(frame.get());
  auto* panel = new testing::TStyledOnly(frame.get());
  panel->SetParent(frame.get());
  auto* nested = new testing::TSkinnedControl(frame.get());
  nested->SetParent(panel);

  ApplyStyleToChildren(*frame, TsuiUIStyle::MacOS, theme.get());
  EXPECT_EQ(direct->UIStyle(), TsuiUIStyle::MacOS);
  EXPECT_EQ(direct->FileTheme(), theme.get());
  EXPECT_EQ(direct->calls, (std::vector<std::string>{"FileTheme", "UIStyle"}));
  EXPECT_EQ(styledOnly->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(nested->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_TRUE(nested->calls.empty());
  EXPECT_TRUE(frame->calls.empty());

  ApplyStyleToChildren(*frame, TsuiUIStyle::Protein, nullptr);
  EXPECT_EQ(direct->FileTheme(), nullptr);
  EXPECT_EQ(direct->UIStyle(), TsuiUIStyle::Protein);
}

}  // namespace
}  // namespace kestrova::skin
