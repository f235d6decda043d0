// The title bar's kept picture: repaints the system asks for show the bar as
// last composed, and what changes without a call to Paint (the caption set
// on the window, the mouse, the size) is composed again.
#include <gtest/gtest.h>

#include "tests/skin/titlebar_bench.h"

namespace kestrova::skin {
namespace {

using namespace titlebar_testing;

// Counts the bars it composes.
class CountingBar : public TsuiTitleBar {
 public:
  using TsuiTitleBar::TsuiTitleBar;
  int composed = 0;

 protected:
  void DrawSections(TBitmap& b) override {
    ++composed;
    TsuiTitleBar::DrawSections(b);
  }
};

struct Window {
  framework::OwnedComponent<framework::TForm> form{new framework::TForm(nullptr)};
  CountingBar* bar = new CountingBar(form.get());

  Window() {
    SetCursorPos(1, 1);
    form->SetBounds(60, 60, 400, 200);
    form->Show();
    bar->SetParent(form.get());
    bar->SetUIStyle(TsuiUIStyle::DeepBlue);
    bar->SetCaption("Installer");
    kestrova::testing::PumpFor(10);
  }
  void Redraw() {
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
};

bool Same(TBitmap& a, TBitmap& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() && Shows(a, b, 0, 0);
}

TEST(TitleBarRepaint, RepaintsShowTheBarAsComposed) {
  Window window;
  TBitmap first = Shot(*window.bar);
  const int composed = window.bar->composed;
  for (int i = 0; i < 3; ++i) window.Redraw();
  TBitmap again = Shot(*window.bar);
  EXPECT_EQ(window.bar->composed, composed);
  EXPECT_TRUE(Same(first, again));
  EXPECT_EQ(kestrova::testing::PixelOnScreen(window.bar->Handle(), 30, 5),
            first.Canvas().Pixel(30, 5));
}

TEST(TitleBarRepaint, WhatChangesWithoutPaintIsComposedAgain) {
  Window window;
  TBitmap before = Shot(*window.bar);
  SetWindowTextW(window.bar->Handle(), L"Another caption");
  window.Redraw();
  TBitmap after = Shot(*window.bar);
  EXPECT_FALSE(Same(before, after)) << "caption";

  // The pointer over a button, the bar not told: the hover frame all the same.
  TsuiTitleBarButton& close = *window.bar->Buttons().FindVisible(TsuiTitleBarBtnType::suiClose);
  const int w = close.PicNormal().Width();
  int left = -1;
  for (int x = 0; x + w <= after.Width() && left < 0; ++x)
    if (Shows(after, close.PicNormal().Bitmap(), x, window.bar->ButtonTop(), true)) left = x;
  ASSERT_GE(left, 0);
  const POINT p = window.bar->ClientToScreen(POINT{left + w / 2, window.bar->ButtonTop() + 5});
  SetCursorPos(p.x, p.y);
  window.Redraw();
  TBitmap hover = Shot(*window.bar);
  EXPECT_TRUE(Shows(hover, close.PicMouseOn().Bitmap(), left, window.bar->ButtonTop(),
                    close.Transparent()));
  SetCursorPos(1, 1);

  // The bar spans the form: a narrower form, a narrower bar.
  const int composed = window.bar->composed;
  window.form->SetWidth(window.form->Width() - 40);
  kestrova::testing::PumpFor(10);
  window.Redraw();
  ASSERT_EQ(window.bar->Width(), after.Width() - 40);
  EXPECT_GT(window.bar->composed, composed) << "size";
}

}  // namespace
}  // namespace kestrova::skin
