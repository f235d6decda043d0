// Where canvases get their device contexts: a control's window outside
// WM_PAINT, a bitmap only while something draws on it, and the see-through
// copy a transparent bitmap is drawn through.
#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "framework/canvas.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "tests/testing/window_pump.h"

namespace kestrova::framework {
namespace {

uint32_t At(TBitmap& b, int x, int y) { return PixelToColor(b.Pixels().At(x, y)); }

TEST(WindowCanvas, DrawsOnTheWindowOutsidePaintAndGivesTheDcBackAfterTheMessage) {
  OwnedComponent<TForm> form{new TForm(nullptr)};
  form->SetBounds(60, 60, 200, 120);
  auto* control = new TCustomControl(form.get());
  control->SetBounds(10, 10, 60, 40);
  TCanvas& canvas = control->Canvas();
  EXPECT_FALSE(canvas.HandleAllocated());  // no window yet: nothing to draw on
  EXPECT_THROW(canvas.FillRect({0, 0, 5, 5}), Error);
  control->SetParent(form.get());
  form->Show();
  kestrova::testing::PumpFor(50);

  canvas.Brush().SetColor(clRed);
  canvas.FillRect({0, 0, 60, 40});
  EXPECT_TRUE(canvas.HoldsHandle());
  EXPECT_EQ(kestrova::testing::PixelOnScreen(control->Handle(), 30, 20), ColorToRGB(clRed));
  control->Perform(WM_NULL);  // the message handled: the DC went back
  EXPECT_FALSE(canvas.HoldsHandle());

  // Drawing from inside a message keeps the DC until that message is done.
  bool heldInside = false;
  control->OnClick = [&](TComponent*) {
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect({0, 0, 60, 40});
    control->Perform(WM_NULL);
    heldInside = canvas.HoldsHandle();
  };
  control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(heldInside);
  EXPECT_FALSE(canvas.HoldsHandle());
  EXPECT_EQ(kestrova::testing::PixelOnScreen(control->Handle(), 30, 20), ColorToRGB(clBlue));
}

TEST(BitmapDc, OnlyABitmapDrawnOnHoldsAMemoryDc) {
  TBitmap target(40, 10);
  std::vector<TBitmap> pictures;
  for (int i = 0; i < 4; ++i) {
    PixelBuffer pixels(10, 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) pixels.At(x, y) = MakePixel(uint8_t(60 * i), 0, 0);
    pictures.emplace_back(pixels);
  }
  for (int i = 0; i < 4; ++i) target.Canvas().Draw(10 * i, 0, pictures[size_t(i)]);
  for (TBitmap& p : pictures) EXPECT_EQ(p.HeldMemoryHandle(), nullptr);
  EXPECT_EQ(At(target, 35, 5), PixelToColor(MakePixel(180, 0, 0)));

  // One being drawn on keeps its DC, and is still drawn right from it.
  pictures[0].Canvas().Brush().SetColor(clLime);
  pictures[0].Canvas().FillRect({0, 0, 10, 10});
  target.Canvas().Draw(0, 0, pictures[0]);
  EXPECT_NE(pictures[0].HeldMemoryHandle(), nullptr);
  EXPECT_EQ(At(target, 5, 5), uint32_t(clLime));
}

TEST(TransparentStretchDraw, DrawsThroughOneCopyMadeAgainOnlyAfterAChange) {
  TBitmap picture(4, 1);
  TCanvas& canvas = picture.Canvas();  // kept: later drawing goes through it
  canvas.Brush().SetColor(clFuchsia);
  canvas.FillRect({0, 0, 4, 1});
  canvas.SetPixel(1, 0, clRed);
  picture.SetTransparent(true);  // the top-left colour, fuchsia, is see-through
  TBitmap target(4, 1);
  auto draw = [&] {
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect({0, 0, 4, 1});
    target.Canvas().Draw(0, 0, picture);
  };
  draw();
  const HBITMAP keyed = picture.KeyedHandle();
  draw();
  EXPECT_EQ(picture.KeyedHandle(), keyed);
  EXPECT_EQ(At(target, 0, 0), uint32_t(clWhite));
  EXPECT_EQ(At(target, 1, 0), uint32_t(clRed));

  canvas.SetPixel(2, 0, clBlue);  // through the canvas held all along
  draw();
  EXPECT_EQ(At(target, 2, 0), uint32_t(clBlue));
  picture.Pixels().At(3, 0) = MakePixel(0, 255, 0);  // straight into the pixels
  draw();
  EXPECT_EQ(At(target, 3, 0), uint32_t(clLime));
  EXPECT_EQ(At(target, 0, 0), uint32_t(clWhite));
}

}  // namespace
}  // namespace kestrova::framework
