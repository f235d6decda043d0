// The screensaver's windows under Wine: the preview lives inside another
// window at its size and ends with it, the full screen covers its monitor
// and ends when another program takes over, the input that wakes it, and
// the settings dialog's facts. (Moves the mouse cursor.)
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/screen.h"
#include "movie/swf/decoder.h"
#include "saver/frm_settings.h"
#include "saver/saver_screen.h"
#include "saver/saver_session.h"
#include "tests/testing/window_pump.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova::saver {
namespace {

using namespace framework;

using kestrova::testing::PixelOnScreen;
using kestrova::testing::PumpFor;

std::shared_ptr<const swf::Movie> Sample(const char* kind) {
  return std::make_shared<const swf::Movie>(
      swf::DecodeMovie(mkswf::FindMovieKind(kind)->build(true)));
}

class SaverWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = new TForm(&app);
    host->SetBorderStyle(TFormBorderStyle::bsNone);
    host->SetBounds(40, 40, 152, 112);  // the Display control panel's little monitor
    host->Show();
    PumpFor(30);
  }

  TApplication app;
  TForm* host = nullptr;
  int gone = 0;
};

TEST_F(SaverWindowTest, PreviewFillsItsParentAndPlays) {
  auto* preview = TSaverScreen::Preview(&app, host->Handle());
  preview->OnGone = [this](TComponent*) { ++gone; };
  preview->ShowMovie(Sample("tween"));
  preview->Play();
  HWND window = preview->Handle();
  EXPECT_EQ(GetParent(window), host->Handle());
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 152);
  EXPECT_EQ(client.bottom, 112);
  PumpFor(300);
  EXPECT_GE(preview->CurrentFrame(), 2u);
  // The tween's background, "show all": the stage is wider than the preview.
  EXPECT_EQ(PixelOnScreen(window, 2, 2), RGB(0x20, 0x28, 0x30));

  host->SetBounds(40, 40, 200, 150);
  PumpFor(400);
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 200) << "the preview follows its parent's size";
  EXPECT_EQ(client.bottom, 150);
  EXPECT_EQ(gone, 0);
}

TEST_F(SaverWindowTest, PreviewEndsWhenItsParentGoes) {
  auto* preview = TSaverScreen::Preview(&app, host->Handle());
  preview->OnGone = [this](TComponent*) { ++gone; };
  preview->Play();  // no movie: black, and nothing to play
  preview->HandleNeeded();
  PumpFor(50);
  EXPECT_EQ(PixelOnScreen(preview->Handle(), 50, 50), RGB(0, 0, 0));
  host->Free();
  host = nullptr;
  PumpFor(50);
  EXPECT_EQ(gone, 1);
  EXPECT_FALSE(preview->HandleAllocated());
}

// A parent of another program can vanish without our child hearing of it
// first; the watch notices a handle that is no longer a window.
TEST_F(SaverWindowTest, PreviewNoticesAParentThatIsNoLongerAWindow) {
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  auto* preview = TSaverScreen::Preview(&app, other);
  preview->OnGone = [this](TComponent*) { ++gone; };
  preview->HandleNeeded();
  SetParent(preview->Handle(), nullptr);  // leaves before its parent goes
  DestroyWindow(other);
  PumpFor(400);
  EXPECT_EQ(gone, 1);
  preview->Free();
  EXPECT_EQ(gone, 1) << "reported once";
}

TEST_F(SaverWindowTest, FullScreenCoversItsMonitorOnTopAndEndsWhenLeft) {
  RECT area{0, 0, 320, 200};
  auto* screen = TSaverScreen::FullScreen(&app, area);
  screen->OnGone = [this](TComponent*) { ++gone; };
  screen->ShowMovie(Sample("sample"));
  screen->Play();
  HWND window = screen->Handle();
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, 320);
  EXPECT_EQ(r.bottom, 200);
  EXPECT_EQ(GetParent(window), nullptr);
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_POPUP);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(SendMessageW(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_EQ(GetCursor(), nullptr) << "the cursor is hidden over the screen";
  SendMessageW(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
  PumpFor(50);
  EXPECT_EQ(gone, 0) << "the system's idle timer does not end it";
  SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(gone, 0);
  SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(gone, 1) << "another program took over";
}

TEST(Monitors, EveryMonitorWithThePrimaryFirst) {
  std::vector<RECT> monitors = TScreen::MonitorRects();
  ASSERT_FALSE(monitors.empty());
  MONITORINFO primary{};
  primary.cbSize = sizeof primary;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
  EXPECT_TRUE(EqualRect(&monitors.front(), &primary.rcMonitor));
  EXPECT_EQ(int(monitors.size()), GetSystemMetrics(SM_CMONITORS));
}

TEST(WakesScreen, KeysButtonsAndFarMoves) {
  WakeRule rule;
  MSG msg{};
  for (UINT m : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
    msg.message = m;
    EXPECT_TRUE(WakesScreen(msg, rule)) << m;
  }
  for (UINT m : {WM_KEYUP, WM_LBUTTONUP, WM_TIMER, WM_PAINT, WM_MOUSEWHEEL - 1}) {
    msg.message = m;
    EXPECT_FALSE(WakesScreen(msg, rule)) << m;
  }
  // The cursor's place decides, not what the message says.
  msg.message = WM_MOUSEMOVE;
  msg.pt = {0, 0};
  SetCursorPos(640, 512);
  EXPECT_FALSE(WakesScreen(msg, rule)) << "where the mouse rests";
  SetCursorPos(642, 510);
  msg.pt = {900, 900};
  EXPECT_FALSE(WakesScreen(msg, rule)) << "a stale position in the message";
  SetCursorPos(660, 512);
  msg.pt = {640, 512};
  EXPECT_TRUE(WakesScreen(msg, rule));
}

TEST(FrmSettings, ShowsTheFactsOfTheMovie) {
  TApplication app;
  TFrmSettings* form = nullptr;
  app.CreateForm(form);
  form->ShowFacts({"Waves", "393 x 169 pixels", "24 frames per second", ""});
  form->Show();
  PumpFor(30);
  EXPECT_EQ(form->Caption(), "Kestrova Screensaver Settings");
  EXPECT_EQ(form->LblName->Caption(), "Waves");
  EXPECT_EQ(form->LblSize->Caption(), "393 x 169 pixels");
  EXPECT_EQ(form->LblRate->Caption(), "24 frames per second");
  EXPECT_FALSE(form->LblProblem->Visible());
  form->ShowFacts({"Broken", "none", "none", "not a SWF movie"});
  EXPECT_TRUE(form->LblProblem->Visible());
  EXPECT_EQ(form->LblProblem->Caption(), "The movie cannot be shown: not a SWF movie");
  form->BtnOk->Click();
  PumpFor(30);
  EXPECT_FALSE(form->Visible()) << "OK closes it";
}

}  // namespace
}  // namespace kestrova::saver
