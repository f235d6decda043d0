// The installer window built from its stored design, in the test program
// (which carries no payload, so the extraction fails as a stub's would).
#include "installer/frm_install.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"
#include "framework/application.h"
#include "framework/bitmap.h"
#include "framework/screen.h"
#include "installer/payload.h"
#include "tests/testing/temp_dir.h"

namespace kestrova {
namespace {

using framework::TApplication;
using framework::TControl;

struct Layout {
  TControl* control;
  int left, top, width, height;
};

class FrmInstallTest : public ::testing::Test {
 protected:
  FrmInstallTest() {
    app_.OnException = [this](framework::TComponent*, const std::exception& e) {
      errors_.push_back(e.what());
    };
    app_.Initialize();
    app_.CreateForm(form_);
  }
  ~FrmInstallTest() override { FrmInstall = nullptr; }

  bool Filtered(HWND target, UINT message) {
    MSG msg = {target, message, 0, 0, 0, {}};
    bool handled = false;
    app_.OnMessage(msg, handled);
    return handled;
  }

  TApplication app_;
  std::vector<std::string> errors_;
  TFrmInstall* form_ = nullptr;
};

TEST_F(FrmInstallTest, DesignGivesTheMembersTheirPlacesAndCaptions) {
  ASSERT_TRUE(form_->suiForm1 && form_->BtnInstall && form_->BtnCancel && form_->PreviewFlash &&
              form_->Label1 && form_->ChkDefaultScreensaver);
  EXPECT_EQ(form_->Caption(), "Screensaver installer for Kestrova");
  EXPECT_EQ(form_->BorderStyle(), framework::TFormBorderStyle::bsDialog);
  EXPECT_FALSE(form_->Scaled());
  EXPECT_EQ(form_->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form_->Font().Height(), -11);

  const Layout layout[] = {{form_->suiForm1, 0, 0, 410, 274},
                           {form_->PreviewFlash, 8, 48, 393, 169},
                           {form_->ChkDefaultScreensaver, 16, 224, 149, 21},
                           {form_->BtnInstall, 224, 240, 80, 27},
                           {form_->BtnCancel, 320, 240, 80, 27}};
  for (const Layout& l : layout) {
    SCOPED_TRACE(l.control->Name());
    EXPECT_EQ(l.control->Left(), l.left);
    EXPECT_EQ(l.control->Top(), l.top);
    EXPECT_EQ(l.control->Width(), l.width);
    EXPECT_EQ(l.control->Height(), l.height);
  }
  EXPECT_EQ(form_->Label1->Left(), 16);
  EXPECT_EQ(form_->Label1->Top(), 27);
  const TControl* children[] = {form_->BtnInstall, form_->BtnCancel, form_->PreviewFlash,
                                form_->Label1, form_->ChkDefaultScreensaver};
  for (const TControl* c : children) EXPECT_EQ(c->Parent(), form_->suiForm1) << c->Name();

  EXPECT_EQ(form_->Label1->Caption(),
            "This will install the screensaver previewed as below on your computer:");
  EXPECT_EQ(form_->BtnInstall->Caption(), "Install");
  EXPECT_EQ(form_->BtnCancel->Caption(), "Cancel");
  EXPECT_EQ(form_->ChkDefaultScreensaver->Caption(), "Set as default screensaver");
  EXPECT_FALSE(form_->ChkDefaultScreensaver->Checked());
  EXPECT_TRUE(form_->ChkDefaultScreensaver->TabStop());

  // Tabbing runs Install, Cancel, the preview, the check box.
  EXPECT_LT(form_->BtnInstall->TabOrder(), form_->BtnCancel->TabOrder());
  EXPECT_LT(form_->BtnCancel->TabOrder(), form_->PreviewFlash->TabOrder());
  EXPECT_LT(form_->PreviewFlash->TabOrder(), form_->ChkDefaultScreensaver->TabOrder());
}

TEST_F(FrmInstallTest, PreviewGetsItsStoredInitialStateUnchanged) {
  const std::vector<uint8_t>& state = form_->PreviewFlash->ControlData();
  ASSERT_EQ(state.size(), 300u);
  EXPECT_EQ(std::string(state.begin(), state.begin() + 4), "KSF1");
  EXPECT_EQ(form_->PreviewFlash->WindowMode(), movie::TFlashWindowMode::Window);
  EXPECT_EQ(form_->PreviewFlash->Quality(), movie::TFlashQuality::High);
  EXPECT_EQ(form_->PreviewFlash->ScaleMode(), movie::TFlashScaleMode::ShowAll);
  EXPECT_EQ(form_->PreviewFlash->Movie(), "");
}

TEST_F(FrmInstallTest, FailedExtractionIsReportedAndLeavesThePreviewEmpty) {
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_NE(errors_[0].find("carries no screensaver"), std::string::npos) << errors_[0];
  EXPECT_EQ(form_->PreviewFlash->Movie(), "");
  EXPECT_FALSE(form_->PreviewFlash->Playing());

  form_->Show();
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(form_->ClientWidth(), 410);
  EXPECT_EQ(form_->ClientHeight(), 274);
  RECT desk = framework::TScreen::DesktopRect();
  EXPECT_NEAR(form_->Left() + form_->Width() / 2, (desk.left + desk.right) / 2, 1);
  EXPECT_NEAR(form_->Top() + form_->Height() / 2, (desk.top + desk.bottom) / 2, 1);
}

TEST_F(FrmInstallTest, OnlyRightButtonPressesOnThePreviewAreDropped) {
  ASSERT_TRUE(app_.OnMessage);  // FormCreate installed the filter before it failed
  HWND preview = form_->PreviewFlash->Handle();
  EXPECT_TRUE(Filtered(preview, WM_RBUTTONDOWN));
  EXPECT_FALSE(Filtered(preview, WM_RBUTTONUP));
  EXPECT_FALSE(Filtered(preview, WM_RBUTTONDBLCLK));
  EXPECT_FALSE(Filtered(preview, WM_LBUTTONDOWN));
  EXPECT_FALSE(Filtered(form_->BtnInstall->Handle(), WM_RBUTTONDOWN));
  EXPECT_FALSE(Filtered(form_->suiForm1->Handle(), WM_RBUTTONDOWN));
  EXPECT_FALSE(Filtered(form_->Handle(), WM_RBUTTONDOWN));
}

// One frame of a 550 x 400 stage with the background colour R 0x20, G 0x80,
// B 0xC0: SetBackgroundColor, ShowFrame, End.
const testing::Bytes kBackgroundMovie = {
    0x46, 0x57, 0x53, 0x06, 0x1E, 0x00, 0x00, 0x00, 0x78, 0x00, 0x05, 0x5F, 0x00, 0x00, 0x0F,
    0xA0, 0x00, 0x00, 0x18, 0x01, 0x00, 0x43, 0x02, 0x20, 0x80, 0xC0, 0x40, 0x00, 0x00, 0x00};

void PumpFor(int milliseconds) {
  DWORD end = GetTickCount() + DWORD(milliseconds);
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}

TEST_F(FrmInstallTest, PreviewShowsAndAdvancesTheMovieItIsGiven) {
  testing::TempDir dir;
  std::string movie = dir.File("swf1.tmp");
  testing::WriteFile(movie, kBackgroundMovie);
  form_->Show();
  form_->PreviewFlash->SetMovie(movie);
  form_->PreviewFlash->Play();
  PumpFor(300);  // 24 frames a second
  EXPECT_TRUE(form_->PreviewFlash->Playing());

  framework::TBitmap picture;
  form_->PreviewFlash->PaintTo(picture);
  EXPECT_EQ(PixelToColor(picture.Pixels().At(picture.Width() / 2, picture.Height() / 2)),
            0x00C08020u);
}

// An installer whose screensaver carries the given bytes at its end: no
// movie trailer, or one around a movie that does not load.
std::string PackedInstaller(const testing::TempDir& dir, const testing::Bytes& screensaverEnd) {
  const testing::Bytes screensaver = testing::Concat({testing::Text("MZ saver"), screensaverEnd});
  testing::Bytes name = testing::Text("Silent.scr");
  name.resize(255, 0);
  const std::string path = dir.File("setup.exe");
  testing::WriteFile(path, testing::Concat({testing::Text("MZ stub"),
                                            screensaver,
                                            testing::Int32(int32_t(screensaver.size()) + 4),
                                            name,
                                            {0}}));
  return path;
}

TEST_F(FrmInstallTest, MissingOrUnreadableMoviePreviewsEmptyWithoutAnError) {
  testing::TempDir dir;
  const testing::Bytes garbage = testing::Text("not a movie");
  const testing::Bytes ends[] = {
      {},                                                                            // no trailer
      testing::Concat({testing::Int32(5000), {0}}),                                  // damaged
      testing::Concat({garbage, testing::Int32(int32_t(garbage.size()) + 4), {0}}),  // bad movie
  };
  form_->Show();
  for (const testing::Bytes& end : ends) {
    EXPECT_NO_THROW(form_->ExtractAndPreview(PackedInstaller(dir, end)));
    EXPECT_EQ(form_->PreviewFlash->Movie(), SwfTempFile);
    EXPECT_FALSE(form_->PreviewFlash->Playing());
    framework::TBitmap picture;
    form_->PreviewFlash->PaintTo(picture);
    EXPECT_EQ(PixelToColor(picture.Pixels().At(picture.Width() / 2, picture.Height() / 2)),
              0x00FFFFFFu);  // the preview's own white
  }
  EXPECT_EQ(ScreensaverFileName, "Silent.scr");
  EXPECT_EQ(errors_.size(), 1u);  // only the test program's own missing payload
}

TEST_F(FrmInstallTest, CancelClosesTheWindowAndEndsTheProgram) {
  form_->Show();
  form_->BtnCancel->Click();
  EXPECT_TRUE(app_.Terminated());
}

}  // namespace
}  // namespace kestrova
