// TShockwaveFlash under Wine: the stored state kept, the movie played at its
// rate and drawn, its scripts run, and a movie that does not load left as
// the background.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/application.h"
#include "framework/form.h"
#include "movie/control/shockwave_flash.h"
#include "tests/movie/action_code.h"
#include "tests/movie/flash_state_block.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/testing/temp_dir.h"
#include "tests/testing/window_pump.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova::movie {
namespace {

using namespace framework;

using avm1::testing::Code;
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

  // The leftmost red pixel of window row `y`, or -1.
  int LeftmostRed(int y) {
    for (int x = 0; x < 393; ++x)
      if (PixelOnScreen(flash->Handle(), x, y) == RGB(255, 0, 0)) return x;
    return -1;
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

TEST_F(ShockwaveFlashTest, UnreadableMovieKeepsTheBackgroundAndPlaysNothingSilently) {
  flash->SetMovie(dir.File("missing.swf"));
  kestrova::testing::WriteFile(dir.File("bad.swf"), {'Z', 'W', 'S', 10, 0, 0, 0, 0});
  flash->SetMovie(dir.File("bad.swf"));
  EXPECT_EQ(flash->Movie(), dir.File("bad.swf"));
  PumpFor(50);
  InvalidateRect(flash->Handle(), nullptr, FALSE);
  UpdateWindow(flash->Handle());
  EXPECT_EQ(PixelOnScreen(flash->Handle(), 100, 100), RGB(255, 255, 255));
  EXPECT_EQ(flash->LoadError(), "unsupported compression (LZMA)");
  EXPECT_NO_THROW(flash->Play());
  EXPECT_FALSE(flash->Playing());
  kestrova::testing::WriteFile(dir.File("empty.swf"), {});
  flash->SetMovie(dir.File("empty.swf"));
  EXPECT_NE(flash->LoadError(), "");
  EXPECT_NO_THROW(flash->Play());
  EXPECT_FALSE(flash->Playing());
  // A good movie afterwards plays.
  flash->SetMovie(WriteSample("shapes"));
  EXPECT_NO_THROW(flash->Play());
}

// One frame on the timeline: a red square in sprite "box" at x 10..50,
// y 40..80 px, and a frame script setting
//   box.onEnterFrame = function() { box._x = box._x + 10; };
// followed by a script that throws (a warning, nothing more).
std::string ScriptedMovie() {
  using namespace swf;
  using namespace swf::testing;
  SwfWriter swf(6, Stage(393, 169), 20);
  swf.Tag(tag::kSetBackgroundColor, {0x11, 0x22, 0x33});
  ShapeBuilder shape;
  shape.Rect(0, 0, 800, 800, shape.AddFill(Solid(0xFFFF0000)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, shape, 3));
  TagStream sprite;
  sprite.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  sprite.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(2, sprite));
  PlaceObject place;
  place.depth = 1;
  place.character = 2;
  place.name = "box";
  Matrix m;
  m.tx = {200};
  m.ty = {800};
  place.matrix = m;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
  Code move;
  move.Str("box").Op(0x1C).Str("_x");           // box, "_x"
  move.Str("box").Op(0x1C).Str("_x").Op(0x4E);  // box._x
  move.Num(10).Op(0x47).Op(0x4F);               // + 10, set member
  Code script;
  script.Str("box").Op(0x1C).Str("onEnterFrame").Function("", move).Op(0x4F);
  swf.Tag(tag::kDoAction, DoActionBody(script.Bytes()));
  swf.Tag(tag::kDoAction, DoActionBody(Code().Str("oops").Op(0x2A).Bytes()));
  swf.ShowFrame();
  auto bytes = swf.Finish(false);
  return std::string(bytes.begin(), bytes.end());
}

// Only the script moves the square: the timeline has a single frame, so
// the picture changes between ticks because properties set from script
// count as changes to the display list.
TEST_F(ShockwaveFlashTest, RunsTheMoviesScriptsAndDrawsWhatTheyChange) {
  std::string bytes = ScriptedMovie();
  std::string path = dir.File("scripted.swf");
  kestrova::testing::WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  flash->SetMovie(path);
  ASSERT_EQ(flash->LoadError(), "");
  EXPECT_TRUE(flash->ScriptsRunning());
  EXPECT_GE(flash->ScriptWarnings(), 1u) << "the throwing script";
  UpdateWindow(flash->Handle());
  EXPECT_EQ(LeftmostRed(60), 10);
  flash->Play();
  PumpFor(400);  // 20 frames a second: about eight frames
  EXPECT_EQ(flash->CurrentFrame(), 0u);
  EXPECT_TRUE(flash->Playing());
  EXPECT_GE(flash->FramesRendered(), 3u);
  const int left = LeftmostRed(60);
  EXPECT_GE(left, 40) << "moved by the script";
  EXPECT_EQ((left - 10) % 10, 0);
  EXPECT_EQ(PixelOnScreen(flash->Handle(), 20, 60), RGB(0x11, 0x22, 0x33));
}

// A 200 x 100 stage, shown at 1.69 times its size from x 27.5 in the
// 393 x 169 window; button squares at 50..90 x 30..70 stage pixels: red
// up, green over, blue down. The movie is never played: what the mouse
// changes is drawn all the same.
std::string ButtonMovie() {
  using namespace swf;
  using namespace swf::testing;
  SwfWriter swf(6, Stage(200, 100), 20);
  swf.Tag(tag::kSetBackgroundColor, {0xFF, 0xFF, 0xFF});
  const Pixel colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
  for (uint16_t id = 1; id <= 3; ++id) {
    ShapeBuilder shape;
    shape.Rect(0, 0, 800, 800, shape.AddFill(Solid(colours[id - 1])));
    swf.Tag(tag::kDefineShape3, DefineShapeBody(id, shape, 3));
  }
  swf.Tag(tag::kDefineButton2,
          DefineButton2Body(
              10, {{1 | 8, 1, 1, {}, {}, {}}, {2, 2, 1, {}, {}, {}}, {4, 3, 1, {}, {}, {}}}, {}));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 10, 1000, 600));
  swf.ShowFrame();
  auto bytes = swf.Finish(false);
  return std::string(bytes.begin(), bytes.end());
}

TEST_F(ShockwaveFlashTest, ButtonsAnswerTheMouseInTheShowAllMapping) {
  std::string bytes = ButtonMovie();
  std::string path = dir.File("button.swf");
  kestrova::testing::WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  flash->SetMovie(path);
  UpdateWindow(flash->Handle());
  HWND h = flash->Handle();
  auto send = [&](UINT msg, int x, int y) {
    SendMessageW(h, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
  };
  auto cursorIsHand = [&] {
    SendMessageW(h, WM_SETCURSOR, WPARAM(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor() == LoadCursorW(nullptr, MAKEINTRESOURCEW(32649) /* IDC_HAND */);
  };
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(255, 0, 0));
  send(WM_MOUSEMOVE, 100, 84);  // left of the button once mapped (stage x 43)
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(255, 0, 0));
  EXPECT_FALSE(cursorIsHand());
  send(WM_MOUSEMOVE, 145, 84);  // stage (70, 50)
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(0, 255, 0)) << "over";
  EXPECT_TRUE(cursorIsHand());
  send(WM_LBUTTONDOWN, 145, 84);
  EXPECT_EQ(GetCapture(), h);
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(0, 0, 255)) << "down";
  send(WM_MOUSEMOVE, 300, 150);  // dragged away: the over state
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(0, 255, 0));
  send(WM_LBUTTONUP, 300, 150);
  EXPECT_NE(GetCapture(), h);
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(255, 0, 0)) << "released outside";
  send(WM_MOUSEMOVE, 145, 84);
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(0, 255, 0));
  SendMessageW(h, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(255, 0, 0)) << "the mouse left the preview";
  EXPECT_FALSE(flash->Playing());

  // The capture taken by another window while held ends the press.
  send(WM_MOUSEMOVE, 145, 84);
  send(WM_LBUTTONDOWN, 145, 84);
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(0, 0, 255));
  SetCapture(form->Handle());
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(0, 255, 0)) << "released where it was";
  ReleaseCapture();
  send(WM_LBUTTONUP, 145, 84);
  EXPECT_EQ(PixelOnScreen(h, 145, 84), RGB(0, 255, 0)) << "a later release changes nothing";
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
