// The installer window as the skinned frame shows it, pixel by pixel, and
// how its title bar behaves: one close button, dragging, and the message
// hook the window takes from the frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/capture.h"
#include "installer/frm_install.h"
#include "skin/titlebar/titlebar.h"
#include "tests/testing/mouse_input.h"
#include "tests/testing/window_pump.h"

namespace kestrova {
namespace {

using kestrova::testing::SendMouse;

using framework::TApplication;
using framework::TBitmap;
using framework::TColor;

constexpr TColor kBorder = 0x7F7F7F;
constexpr TColor kFrameColor = 0xE7E7E7;

class FrmInstallLookTest : public ::testing::Test {
 protected:
  FrmInstallLookTest() {
    app_.OnException = [this](framework::TComponent*, const std::exception& e) {
      errors_.push_back(e.what());
    };
    app_.Initialize();
    app_.CreateForm(form_);
    form_->Show();
    kestrova::testing::PumpFor(50);
  }
  ~FrmInstallLookTest() override { FrmInstall = nullptr; }

  skin::TsuiTitleBar& Bar() { return *form_->suiForm1->TitleBar(); }
  TBitmap Shot() { return framework::CaptureWindow(form_->Handle()); }

  TApplication app_;
  std::vector<std::string> errors_;
  TFrmInstall* form_ = nullptr;
};

TColor At(TBitmap& b, int x, int y) { return b.Canvas().Pixel(x, y); }

TEST_F(FrmInstallLookTest, TheFrameIsPaintedAroundTheTitlePicturesAndThePattern) {
  HWND h = form_->Handle();
  EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & WS_CAPTION, 0);
  TBitmap shot = Shot();
  const int w = form_->Width(), hh = form_->Height();
  ASSERT_EQ(shot.Width(), w);
  const int title = form_->suiForm1->GetTitleAreaHeight();
  ASSERT_EQ(title, Bar().Height() + 3);

  // Bottom: the border line, then one row of the frame colour.
  for (int x = 0; x < w; ++x) ASSERT_EQ(At(shot, x, hh - 1), kBorder) << x;
  for (int x = 1; x < w - 1; ++x) ASSERT_EQ(At(shot, x, hh - 2), kFrameColor) << x;
  // Sides: the border line, then two columns of the frame colour below the
  // title area and of the title pictures beside it.
  TBitmap& left = *Bar().GetTitleImage(0);
  TBitmap& right = *Bar().GetTitleImage(1);
  TBitmap& middle = *Bar().GetTitleImage(2);
  const int rw = right.Width();
  for (int y = 0; y < hh; ++y) {
    ASSERT_EQ(At(shot, 0, y), kBorder) << y;
    ASSERT_EQ(At(shot, w - 1, y), kBorder) << y;
  }
  for (int y = title; y < hh - 1; ++y)
    for (int x : {1, 2, w - 3, w - 2}) ASSERT_EQ(At(shot, x, y), kFrameColor) << x << "," << y;
  for (int y = 3; y < title; ++y) {
    EXPECT_EQ(At(shot, 1, y), At(left, 0, y)) << y;
    EXPECT_EQ(At(shot, 2, y), At(left, 1, y)) << y;
    EXPECT_EQ(At(shot, w - 3, y), At(right, rw - 2, y)) << y;
    EXPECT_EQ(At(shot, w - 2, y), At(right, rw - 1, y)) << y;
  }
  // Top: three rows of the section row, the left and right pictures at the
  // window's edges and the middle one stretched between them.
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(At(shot, 5, y), At(left, 5, y)) << y;
    EXPECT_EQ(At(shot, left.Width() - 1, y), At(left, left.Width() - 1, y)) << y;
    EXPECT_EQ(At(shot, w - rw + 1, y), At(right, 1, y)) << y;
    EXPECT_EQ(At(shot, w / 2, y), At(middle, middle.Width() / 2, y)) << y;
  }

  // Behind the controls: the 8 x 8 MacOS pattern from the frame's origin,
  // here in the strip right of the preview.
  TBitmap tile;
  tile.LoadFromResourceName(nullptr, "MACOS_FORM_BACKGROUND");
  ASSERT_EQ(tile.Width(), 8);
  for (int y = 48; y < 217; ++y)
    for (int x = 402; x < 410; ++x)
      ASSERT_EQ(At(shot, 3 + x, 3 + y), At(tile, x % 8, y % 8)) << x << "," << y;
  for (int x = 0; x < 16; ++x) ASSERT_EQ(At(shot, 3 + x, 3 + 250), At(tile, x % 8, 250 % 8)) << x;
}

TEST_F(FrmInstallLookTest, Screenshot) {
  const std::filesystem::path dir = std::filesystem::path(KESTROVA_BINARY_DIR) / "screenshots";
  std::filesystem::create_directories(dir);
  framework::SaveBitmapToPng(Shot(), (dir / "installer_window.png").string());
}

TEST_F(FrmInstallLookTest, TheFrameHasTheStoredMacOSSettings) {
  skin::TsuiForm& frame = *form_->suiForm1;
  EXPECT_EQ(frame.UIStyle(), skin::TsuiUIStyle::MacOS);
  EXPECT_EQ(frame.BorderColor(), 8355711u);
  EXPECT_EQ(frame.BorderWidth(), 1);
  EXPECT_EQ(frame.Color(), 15198183u);
  EXPECT_EQ(frame.Caption(), "Screensaver installer for Kestrova");
  EXPECT_EQ(frame.MenuBarHeight(), 0);
  EXPECT_EQ(frame.RoundCorner(), 0);
  EXPECT_EQ(frame.RoundCornerBottom(), 0);
  EXPECT_FALSE(frame.TitleBarDrawAppIcon());
  EXPECT_FALSE(frame.UIStyleAutoUpdateSub());
  EXPECT_EQ(frame.Font().Name(), "Tahoma");
  EXPECT_EQ(frame.Font().Height(), -11);
  EXPECT_EQ(frame.InactiveCaptionColor(), framework::clInactiveCaption);
  ASSERT_EQ(Bar().Buttons().Count(), 1);
  EXPECT_EQ(Bar().Buttons().Items(0)->ButtonType(), skin::TsuiTitleBarBtnType::suiClose);
  EXPECT_EQ(Bar().Buttons().Items(0)->PicNormal().Width(), 17);
  ASSERT_EQ(Bar().Sections().Count(), 3);
  EXPECT_EQ(Bar().Sections().Items(0)->Picture().Width(), 48);
  EXPECT_EQ(Bar().Sections().Items(1)->Picture().Width(), 48);
  EXPECT_EQ(Bar().Sections().Items(2)->Picture().Width(), 49);
  EXPECT_EQ(Bar().Sections().Items(2)->Picture().Height(), 23);
}

// From FormCreate on only the window's own filter sees the queue: Alt+Space
// and key presses pass it untouched (the frame would have taken them).
TEST_F(FrmInstallLookTest, TheFramesApplicationHandlerNeverRuns) {
  ASSERT_TRUE(form_->suiForm1->TookOver());
  for (UINT message : {UINT(WM_SYSKEYDOWN), UINT(WM_KEYDOWN)}) {
    MSG msg = {form_->Handle(), message, VK_SPACE, 0, 0, {}};
    bool handled = false;
    app_.OnMessage(msg, handled);
    EXPECT_FALSE(handled) << message;
  }
}

TEST_F(FrmInstallLookTest, DraggingTheTitleBarMovesTheWindow) {
  const POINT start = Bar().ClientToScreen(POINT{150, 9});
  const int left = form_->Left(), top = form_->Top();
  kestrova::testing::DragThroughMoveLoop(start, POINT{start.x - 30, start.y + 20});
  EXPECT_EQ(form_->Left(), left - 30);
  EXPECT_EQ(form_->Top(), top + 20);
  EXPECT_FALSE(app_.Terminated());
}

// The one title button closes the window, and the program ends without
// installing (installing would have shown its message box first).
TEST_F(FrmInstallLookTest, TheCloseButtonClosesWithoutInstalling) {
  const RECT bar = Bar().ClientRect();
  const POINT on = Bar().ClientToScreen(POINT{bar.right - 10, 9});
  SendMouse(0, on);
  kestrova::testing::PumpFor(50);
  SendMouse(MOUSEEVENTF_LEFTDOWN, on);
  kestrova::testing::PumpFor(50);
  SendMouse(MOUSEEVENTF_LEFTUP, on);
  kestrova::testing::PumpFor(100);
  EXPECT_TRUE(app_.Terminated());
  EXPECT_EQ(FindWindowA(nullptr, "Congratulations"), nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "Error"), nullptr);
}

}  // namespace
}  // namespace kestrova
