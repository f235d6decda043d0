// See-through controls: the parent painted behind a control (never the
// control into itself), and opaque windows without a background erase.
#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/bitmap.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "framework/graphic_control.h"
#include "framework/panel.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

// A graphic control that shows its parent behind a red dot.
class TSeeThrough : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    PaintParentBackground(*this, Canvas().Handle());
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect({0, 0, 2, 2});
  }
};

class TSwatch : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clBlue);
    Canvas().FillRect(ClientRect());
  }
};

TEST(ParentBackground, ShowsTheParentAndItsOtherChildrenButNeverTheCaller) {
  TApplication app;
  auto* form = new TForm(&app);
  form->SetBounds(100, 100, 200, 150);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 120, 80);
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetColor(clLime);
  auto* swatch = new TSwatch(form);
  swatch->SetParent(panel);
  swatch->SetBounds(20, 20, 30, 30);
  auto* glass = new TSeeThrough(form);
  glass->SetParent(panel);
  glass->SetBounds(10, 10, 40, 40);  // over part of the swatch
  form->Show();
  TBitmap shot;
  glass->PaintTo(shot);
  EXPECT_EQ(glass->paints, 1);  // the parent did not paint the caller again
  PixelView px = shot.Pixels();
  EXPECT_EQ(PixelToColor(px.At(0, 0)), uint32_t(clRed));     // its own dot
  EXPECT_EQ(PixelToColor(px.At(5, 5)), uint32_t(clLime));    // the panel behind
  EXPECT_EQ(PixelToColor(px.At(15, 15)), uint32_t(clBlue));  // the sibling behind
}

// Counts the background erases its window does.
class TOpaqueProbe : public TCustomControl {
 public:
  explicit TOpaqueProbe(TComponent* owner) : TCustomControl(owner) {
    ChangeStyle(TControlStyleFlag::csOpaque, true);
  }
  bool erased = false;

 protected:
  void Paint() override {
    erased = Canvas().Pixel(1, 1) != ColorToRGB(clFuchsia);
    Canvas().Brush().SetColor(clFuchsia);
    Canvas().FillRect(ClientRect());
  }
};

TEST(ParentBackground, OpaqueWindowsAreNotErasedBeforeTheyPaint) {
  TApplication app;
  auto* form = new TForm(&app);
  form->SetBounds(100, 100, 200, 150);
  auto* probe = new TOpaqueProbe(form);
  probe->SetParent(form);
  probe->SetBounds(10, 10, 50, 50);
  probe->SetColor(clYellow);
  form->Show();
  testing::Pump();
  RedrawWindow(probe->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_FALSE(probe->erased);
}

}  // namespace
}  // namespace kestrova::framework
