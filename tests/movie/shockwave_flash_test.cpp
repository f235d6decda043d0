// TShockwaveFlash under Wine: the stored state kept, the movie played at its
// rate and drawn, and loading errors raised by Play over the background.
#include <gtest/gtest.h>

#include <windows.h>

#include "common/error.h"
#include "framework/application.h"
#include "framework/form.h"
#include "movie/control/shockwave_flash.h"
#include "tests/movie/flash_state_block.h"
#include "tests/testing/temp_dir.h"
#include "tests/testing/window_pump.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova::movie {
namespace {

using namespace framework;

using kestrova::testing::PixelOnScreen;
using kestrova::testing::PumpFor;

class ShockwaveFlashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(&app);
    form->SetBounds(50, 50, 420, 240);
    flash = new TShockwaveFlash(form);
    flash->SetParent(form);
    flash->SetBounds(8, 48, 393, 169);
    form->Show();
    PumpFor(50);
  }

  std::string WriteSample(const char* kind) {
    std::string path = dir.File(std::string(kind) + ".swf");
    kestrova::testing::WriteFile(path, mkswf::FindMovieKind(kind)->build(true));
    return path;
  }

  TApplication app;
  kestrova::testing::TempDir dir;
  TForm* form = nullptr;
  TShockwaveFlash* flash = nullptr;
};

TEST_F(ShockwaveFlashTest, KeepsTheStoredStateAndReadsItsSettings) {
  EXPECT_EQ(flash->WindowMode(), TFlashWindowMode::Window);
  EXPECT_EQ(flash->Quality(), TFlashQuality::High);
  EXPECT_EQ(flash->ScaleMode(), TFlashScaleMode::ShowAll);

  const std::vector<uint8_t> state = kestrova::testing::FlashStateBlock(
      {"Movie=", "WMode=Transparent", "Quality=Low", "Scale=ExactFit", "Play=-1"});
  flash->SetControlData(state);
  EXPECT_EQ(flash->ControlData(), state);
  EXPECT_EQ(flash->WindowMode(), TFlashWindowMode::Transparent);
  EXPECT_EQ(flash->Quality(), TFlashQuality::Low);
  EXPECT_EQ(flash->ScaleMode(), TFlashScaleMode::ExactFit);

  // A block in some other format is kept as it is and names nothing.
  std::vector<uint8_t> foreign(300);
  for (size_t i = 0; i < foreign.size(); ++i) foreign[i] = uint8_t(i * 7);
  flash->SetControlData(foreign);
  EXPECT_EQ(flash->ControlData(), foreign);
  EXPECT_EQ(flash->WindowMode(), TFlashWindowMode::Window);
  EXPECT_EQ(flash->Quality(), TFlashQuality::High);
  EXPECT_EQ(flash->ScaleMode(), TFlashScaleMode::ShowAll);
  EXPECT_NE(flash->Handle(), nullptr);
}

TEST_F(ShockwaveFlashTest, PlaysTheMovieAtItsRateAndDrawsIt) {
  flash->SetMovie(WriteSample("tween"));
  EXPECT_FALSE(flash->Playing());
  flash->Play();
  EXPECT_TRUE(flash->Playing());
  PumpFor(400);  // 24 frames a second: about ten frames
  EXPECT_GE(flash->CurrentFrame(), 3u);
  // The tween's dark background fills the corner of the rectangle.
  COLORREF corner = PixelOnScreen(flash->Handle(), 2, 2);
  EXPECT_EQ(corner, RGB(0x20, 0x28, 0x30));
}

// A one-frame movie changes nothing after its first frame: the timer keeps
// ticking, the picture is drawn once (and shown again on WM_PAINT).
TEST_F(ShockwaveFlashTest, DrawsOnlyWhenTheTimelineChangedSomething) {
  flash->SetMovie(WriteSample("shapes"));
  flash->Play();
  PumpFor(300);
  EXPECT_EQ(flash->FramesRendered(), 1u);
  flash->SetMovie(WriteSample("tween"));
  flash->Play();
  PumpFor(300);
  EXPECT_GE(flash->FramesRendered(), 3u) << "a tween changes every frame";
}

TEST_F(ShockwaveFlashTest, LoadingErrorKeepsTheBackgroundAndIsRaisedByPlay) {
  flash->SetMovie(dir.File("missing.swf"));
  kestrova::testing::WriteFile(dir.File("bad.swf"), {'Z', 'W', 'S', 10, 0, 0, 0, 0});
  flash->SetMovie(dir.File("bad.swf"));
  EXPECT_EQ(flash->Movie(), dir.File("bad.swf"));
  PumpFor(50);
  InvalidateRect(flash->Handle(), nullptr, FALSE);
  UpdateWindow(flash->Handle());
  EXPECT_EQ(PixelOnScreen(flash->Handle(), 100, 100), RGB(255, 255, 255));
  try {
    flash->Play();
    FAIL() << "Play did not raise";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "unsupported compression (LZMA)");
  }
  EXPECT_FALSE(flash->Playing());
  // A good movie afterwards plays.
  flash->SetMovie(WriteSample("shapes"));
  EXPECT_NO_THROW(flash->Play());
}

TEST_F(ShockwaveFlashTest, RightButtonPressesDoNothing) {
  flash->SetMovie(WriteSample("sprite"));
  flash->Play();
  SendMessageW(flash->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
  SendMessageW(flash->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  PumpFor(50);
  EXPECT_TRUE(flash->Playing());
}

}  // namespace
}  // namespace kestrova::movie
