// The skinned form frame on real windows under Wine: the take-over and its
// undoing, the frame's sizes and pixels, the window region and the
// maximized bounds, for every built-in style.
#include "skin/form/form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/capture.h"
#include "framework/form.h"
#include "framework/handles.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/properties.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"
#include "tests/skin/skin_stand_ins.h"
#include "tests/testing/window_pump.h"

namespace kestrova::skin {
namespace {

using framework::OwnedComponent;
using framework::RegionHandle;
using framework::TBitmap;
using framework::TColor;
using framework::TForm;
using framework::TFormBorderStyle;
using framework::TMessage;
using framework::TPanel;
using framework::TWindowState;

constexpr TsuiUIStyle kBuiltInStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP,
                                          TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                          TsuiUIStyle::BlueGlass};

const char* Name(TsuiUIStyle style) { return UIStyleNames()[size_t(style)].c_str(); }

RECT WindowRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

// The client area's edges as distances from the window's edges.
RECT FrameSizes(HWND h) {
  RECT outer = WindowRect(h), client{};
  GetClientRect(h, &client);
  POINT origin{0, 0};
  ClientToScreen(h, &origin);
  return RECT{origin.x - outer.left, origin.y - outer.top, outer.right - (origin.x + client.right),
              outer.bottom - (origin.y + client.bottom)};
}

bool InRegion(HWND h, int x, int y) {
  RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(h, region.Get()) == ERROR) return true;  // no region: all of it
  return PtInRegion(region.Get(), x, y);
}

TColor At(TBitmap& shot, int x, int y) { return shot.Canvas().Pixel(x, y); }

// A form that notes every message its own procedure sees.
class RecordingForm : public TForm {
 public:
  RecordingForm() : TForm(nullptr) {}
  void WndProc(TMessage& m) override {
    seen.push_back(m.msg);
    TForm::WndProc(m);
  }
  std::vector<UINT> seen;
};

// A shown dialog form with a skinned frame in `style`.
struct Bench {
  OwnedComponent<RecordingForm> form{new RecordingForm};
  TsuiForm* frame = nullptr;
  std::vector<UINT>& seen = form->seen;

  explicit Bench(TsuiUIStyle style = TsuiUIStyle::MacOS,
                 TFormBorderStyle border = TFormBorderStyle::bsDialog) {
    form->SetBorderStyle(border);
    form->SetBounds(60, 50, 320, 240);
    form->SetCaption("Skinned");
    frame = new TsuiForm(form.get());
    frame->SetParent(form.get());
    frame->SetUIStyle(style);
    form->Show();
    kestrova::testing::PumpFor(30);
  }
  HWND Window() { return form->Handle(); }
  int W() { return form->Width(); }
  int H() { return form->Height(); }
  TBitmap Shot() { return framework::CaptureWindow(Window()); }
  bool Saw(UINT msg) {
    for (UINT m : seen)
      if (m == msg) return true;
    return false;
  }
};

TEST(FormTakeOver, TheFrameTakesTheWindowOverAndGivesItBack) {
  Bench bench(TsuiUIStyle::MacOS, TFormBorderStyle::bsSingle);
  HWND h = bench.Window();
  EXPECT_EQ(bench.form->BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_TRUE(bench.frame->TookOver());
  ASSERT_NE(bench.frame->TitleBar(), nullptr);
  EXPECT_EQ(bench.frame->TitleBar()->Parent(), bench.frame);
  EXPECT_EQ(bench.frame->Align(), framework::TAlign::alClient);
  EXPECT_EQ(bench.frame->Caption(), "Skinned");
  EXPECT_FALSE(bench.form->Scaled());

  // The caption is the title bar's and the form's.
  bench.frame->SetCaption("Renamed");
  EXPECT_EQ(bench.frame->TitleBar()->Caption(), "Renamed");
  EXPECT_EQ(bench.form->Caption(), "Renamed");
  // Version is fixed.
  bench.frame->SetVersion("1.0");
  framework::SetStrProperty(*bench.frame, "Version", "7.0");
  EXPECT_EQ(framework::GetStrProperty(*bench.frame, "Version"), "6.2");

  // The frame-width query is answered and never reaches the form's own
  // procedure; neither do non-client paints and activations.
  bench.seen.clear();
  EXPECT_EQ(SendMessageW(h, SUIM_GETBORDERWIDTH, 0, 0), FrameSizes(h).top - 1);
  SendMessageW(h, WM_NCPAINT, 1, 0);
  EXPECT_EQ(SendMessageW(h, WM_NCACTIVATE, TRUE, 0), 1);
  EXPECT_FALSE(bench.Saw(SUIM_GETBORDERWIDTH));
  EXPECT_FALSE(bench.Saw(WM_NCPAINT));
  EXPECT_FALSE(bench.Saw(WM_NCACTIVATE));
  SendMessageW(h, WM_USER + 7, 0, 0);
  EXPECT_TRUE(bench.Saw(WM_USER + 7));

  // A style change that recreates the window keeps it caption-less.
  bench.form->RecreateWnd();
  EXPECT_EQ(GetWindowLongW(bench.Window(), GWL_STYLE) & WS_CAPTION, 0);

  // Freed, the frame gives back the procedure and the caption; the border
  // style it changed stays.
  bench.frame->Free();
  bench.seen.clear();
  h = bench.Window();
  EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  SendMessageW(h, SUIM_GETBORDERWIDTH, 0, 0);
  EXPECT_TRUE(bench.Saw(SUIM_GETBORDERWIDTH));
  EXPECT_EQ(bench.form->BorderStyle(), TFormBorderStyle::bsDialog);
}

TEST(FormTakeOver, OnlyTheFirstFrameOnAFormTakesItOver) {
  Bench bench(TsuiUIStyle::WinXP, TFormBorderStyle::bsSizeable);
  EXPECT_EQ(bench.form->BorderStyle(), TFormBorderStyle::bsSizeable);
  auto* second = new TsuiForm(bench.form.get());
  EXPECT_FALSE(second->TookOver());
  EXPECT_EQ(second->TitleBar(), nullptr);
  EXPECT_EQ(second->OwnerForm(), nullptr);
  EXPECT_EQ(second->Caption(), "");
  EXPECT_TRUE(second->TitleBarDrawAppIcon());
  EXPECT_EQ(second->InactiveCaptionColor(), framework::clInactiveCaption);
  // Going, a plain panel leaves the form to the frame that has it.
  second->Free();
  HWND h = bench.Window();
  EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(bench.frame->TitleBar()->Parent(), bench.frame);

  // Owned by something that is not a form: a plain panel.
  OwnedComponent<TPanel> holder(new TPanel(nullptr));
  auto* loose = new TsuiForm(holder.get());
  EXPECT_FALSE(loose->TookOver());
  loose->SetRoundCorner(5);
  EXPECT_EQ(loose->RoundCorner(), 0);
}

TEST(FormStyles, FrameSizesAndTheStyleEntriesOfEachBuiltInStyle) {
  struct Entry {
    TsuiUIStyle style;
    int roundCorner;
    TColor color, borderColor;
    int borderWidth;
  };
  const Entry entries[] = {{TsuiUIStyle::MacOS, 0, 0xE7E7E7, 0x7F7F7F, 1},
                           {TsuiUIStyle::WinXP, 13, 0xDEEBEF, 0xC82C00, 3},
                           {TsuiUIStyle::DeepBlue, 0, 0xE8E8E8, 0x000000, 1},
                           {TsuiUIStyle::Protein, 0, 0xFBFBFB, 0x000000, 1},
                           {TsuiUIStyle::BlueGlass, 11, 0xE7E7E7, 0x000000, 1}};
  for (const Entry& e : entries) {
    SCOPED_TRACE(Name(e.style));
    Bench bench(e.style);
    EXPECT_EQ(bench.frame->RoundCorner(), e.roundCorner);
    EXPECT_EQ(bench.frame->RoundCornerBottom(), 0);
    EXPECT_EQ(bench.frame->Color(), e.color);
    EXPECT_EQ(bench.frame->BorderColor(), e.borderColor);
    EXPECT_EQ(bench.frame->BorderWidth(), e.borderWidth);
    EXPECT_EQ(bench.frame->MenuBarColor(), e.color);
    EXPECT_EQ(bench.frame->MenuBarToColor(), e.color);
    // A 3-pixel system frame narrowed to 3 at the top and sides and to
    // BorderWidth + 1 at the bottom (3 with a 3-pixel border).
    const RECT f = FrameSizes(bench.Window());
    EXPECT_EQ(f.left, 3);
    EXPECT_EQ(f.top, 3);
    EXPECT_EQ(f.right, 3);
    EXPECT_EQ(f.bottom, e.borderWidth == 3 ? 3 : e.borderWidth + 1);
    EXPECT_EQ(GetWindowLongW(bench.Window(), GWL_STYLE) & WS_CAPTION, 0);
    // The frame's fixed parts: the border lines and the inner strips.
    TBitmap shot = bench.Shot();
    const int w = bench.W(), h = bench.H(), bw = e.borderWidth;
    for (int i = 0; i < bw; ++i) {
      EXPECT_EQ(At(shot, i, h / 2), e.borderColor);
      EXPECT_EQ(At(shot, w - 1 - i, h / 2), e.borderColor);
      EXPECT_EQ(At(shot, w / 2, h - 1 - i), e.borderColor);
    }
    if (bw == 1) {
      EXPECT_EQ(At(shot, w / 2, h - 2), e.color);
      EXPECT_EQ(At(shot, 1, h / 2), e.color);
      EXPECT_EQ(At(shot, 2, h / 2), e.color);
      EXPECT_EQ(At(shot, w - 2, h / 2), e.color);
    }
  }
  // FromThemeFile without a theme draws with DeepBlue's entries.
  Bench themeless(TsuiUIStyle::FromThemeFile);
  EXPECT_EQ(themeless.frame->BorderColor(), 0x000000u);
  EXPECT_EQ(themeless.frame->BorderWidth(), 1);
  EXPECT_EQ(themeless.frame->Color(), 0xE8E8E8u);
}

TEST(FormStyles, StoredValuesAfterTheStyleWinOverIt) {
  Bench bench(TsuiUIStyle::MacOS);
  bench.frame->SetBorderColor(0x123456);
  bench.frame->SetBorderWidth(2);
  TBitmap shot = bench.Shot();
  EXPECT_EQ(At(shot, 0, bench.H() / 2), 0x123456u);
  EXPECT_EQ(At(shot, 1, bench.H() / 2), 0x123456u);
  EXPECT_EQ(At(shot, 2, bench.H() / 2), bench.frame->Color());
  // The bottom is measured at the next frame calculation: BorderWidth + 1.
  SetWindowPos(bench.Window(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(FrameSizes(bench.Window()).bottom, 3);
}

TEST(FormTitleBar, AHiddenTitleBarLeavesALineAndTheFrameColour) {
  for (TsuiUIStyle style : {TsuiUIStyle::MacOS, TsuiUIStyle::DeepBlue, TsuiUIStyle::BlueGlass}) {
    SCOPED_TRACE(Name(style));
    Bench bench(style);
    const int rc = bench.frame->RoundCorner();
    bench.frame->SetTitleBarVisible(false);
    EXPECT_FALSE(bench.frame->TitleBarVisible());
    EXPECT_EQ(bench.frame->GetTitleAreaHeight(), 0);
    EXPECT_EQ(bench.frame->RoundCorner(), 0);
    bench.frame->UpdateFormRegion();
    EXPECT_TRUE(InRegion(bench.Window(), 0, 0));  // square top corners
    TBitmap shot = bench.Shot();
    const TColor border = bench.frame->BorderColor(), color = bench.frame->Color();
    for (int x : {0, 5, bench.W() / 2, bench.W() - 1}) EXPECT_EQ(At(shot, x, 0), border) << x;
    for (int x : {1, bench.W() / 2, bench.W() - 2}) {
      EXPECT_EQ(At(shot, x, 1), color) << x;
      EXPECT_EQ(At(shot, x, 2), color) << x;
    }
    bench.frame->SetTitleBarVisible(true);
    EXPECT_EQ(bench.frame->RoundCorner(), rc);
  }
}

// The frame keeps the title pictures' top rows it draws under itself: a new
// style shows its own, as on a form made in that style, and so does a
// wider window.
TEST(FormTitleBar, TheRowsUnderTheFrameFollowTheStyleAndTheWidth) {
  auto top_rows_match = [](Bench& changed, Bench& fresh) {
    TBitmap a = changed.Shot(), b = fresh.Shot();
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (InRegion(fresh.Window(), x, y) && At(a, x, y) != At(b, x, y))
          return ::testing::AssertionFailure()
                 << x << "," << y << ": " << std::hex << At(a, x, y) << " for " << At(b, x, y);
    return ::testing::AssertionSuccess();
  };
  Bench changed(TsuiUIStyle::MacOS);
  changed.frame->SetUIStyle(TsuiUIStyle::WinXP);
  kestrova::testing::PumpFor(30);
  {
    Bench fresh(TsuiUIStyle::WinXP);
    fresh.form->SetTop(changed.form->Top() + changed.H() + 10);  // side by side on screen
    kestrova::testing::PumpFor(30);
    EXPECT_TRUE(top_rows_match(changed, fresh));
  }
  changed.form->SetWidth(changed.W() + 40);
  kestrova::testing::PumpFor(30);
  Bench fresh(TsuiUIStyle::WinXP);
  fresh.form->SetBounds(fresh.form->Left(), changed.form->Top() + changed.H() + 10, changed.W(),
                        fresh.H());
  kestrova::testing::PumpFor(30);
  EXPECT_TRUE(top_rows_match(changed, fresh));
}

TEST(FormRegion, CornersFollowRoundCornerAndRoundCornerBottom) {
  {
    Bench xp(TsuiUIStyle::WinXP);
    HWND h = xp.Window();
    const int w = xp.W(), hh = xp.H();
    EXPECT_FALSE(InRegion(h, 0, 0));
    EXPECT_FALSE(InRegion(h, w - 1, 0));
    EXPECT_TRUE(InRegion(h, w / 2, 0));
    EXPECT_TRUE(InRegion(h, 0, 13));
    EXPECT_TRUE(InRegion(h, 0, hh - 1));  // square bottoms
    EXPECT_TRUE(InRegion(h, w - 1, hh - 1));
    xp.frame->SetRoundCornerBottom(13);
    EXPECT_FALSE(InRegion(h, 0, hh - 1));
    EXPECT_FALSE(InRegion(h, w - 1, hh - 1));
    EXPECT_TRUE(InRegion(h, w / 2, hh - 1));
    xp.frame->SetRoundCornerBottom(-1);
    EXPECT_TRUE(InRegion(h, 0, hh - 1));
    EXPECT_TRUE(InRegion(h, w - 1, hh - 1));
  }
  {
    Bench mac(TsuiUIStyle::MacOS);
    for (POINT p : {POINT{0, 0}, POINT{mac.W() - 1, 0}, POINT{0, mac.H() - 1},
                    POINT{mac.W() - 1, mac.H() - 1}})
      EXPECT_TRUE(InRegion(mac.Window(), p.x, p.y)) << p.x << "," << p.y;
    EXPECT_FALSE(InRegion(mac.Window(), mac.W(), 0));
  }
}

// The BlueGlass corners (radius 11, border 1) get arcs in the border colour;
// any other radius leaves the title pictures there.
TEST(FormRegion, BlueGlassCornersAreOutlinedWithArcs) {
  Bench glass(TsuiUIStyle::BlueGlass);
  HWND h = glass.Window();
  EXPECT_FALSE(InRegion(h, 0, 0));
  EXPECT_FALSE(InRegion(h, 1, 1));
  EXPECT_TRUE(InRegion(h, 11, 0));
  auto borderPixels = [&] {
    TBitmap shot = glass.Shot();
    int n = 0;
    for (int y = 1; y < 11; ++y)
      for (int x = 1; x < 11; ++x) n += At(shot, x, y) == glass.frame->BorderColor();
    for (int y = 1; y < 11; ++y)
      for (int x = glass.W() - 11; x < glass.W() - 1; ++x)
        n += At(shot, x, y) == glass.frame->BorderColor();
    return n;
  };
  const int withArcs = borderPixels();
  glass.frame->SetRoundCorner(10);
  const int without = borderPixels();
  EXPECT_GE(withArcs - without, 8) << withArcs << " " << without;
}

TEST(FormMaximize, MaximizedCoversTheWorkAreaWidenedAndRestores) {
  for (TsuiUIStyle style : {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP}) {
    SCOPED_TRACE(Name(style));
    Bench bench(style, TFormBorderStyle::bsSizeable);
    const RECT before = WindowRect(bench.Window());
    ShowWindow(bench.Window(), SW_MAXIMIZE);
    kestrova::testing::PumpFor(30);
    const RECT a = GetWorkArea();
    const RECT r = WindowRect(bench.Window());
    EXPECT_EQ(r.left, a.left - 2);
    EXPECT_EQ(r.top, a.top - 2);
    EXPECT_EQ(r.right, a.right + 2);
    EXPECT_EQ(r.bottom, a.bottom - 1);
    ShowWindow(bench.Window(), SW_RESTORE);
    kestrova::testing::PumpFor(30);
    const RECT back = WindowRect(bench.Window());
    EXPECT_EQ(back.left, before.left);
    EXPECT_EQ(back.top, before.top);
    EXPECT_EQ(back.right, before.right);
    EXPECT_EQ(back.bottom, before.bottom);
    // The region follows the window's size.
    EXPECT_TRUE(InRegion(bench.Window(), bench.W() - 1, bench.H() - 1));
    EXPECT_FALSE(InRegion(bench.Window(), bench.W(), bench.H() / 2));
  }
}

// A form made maximized covers the work area at once, and restored it gets
// the bounds it had when the frame took it over.
TEST(FormMaximize, AFormMadeMaximizedRestoresToItsFirstBounds) {
  OwnedComponent<TForm> form(new TForm(nullptr));
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetBounds(70, 60, 300, 200);
  form->SetWindowState(TWindowState::wsMaximized);
  auto* frame = new TsuiForm(form.get());
  frame->SetParent(form.get());
  form->Show();
  kestrova::testing::PumpFor(30);
  const RECT a = GetWorkArea();
  RECT r = WindowRect(form->Handle());
  EXPECT_EQ(r.left, a.left - 2);
  EXPECT_EQ(r.right, a.right + 2);
  EXPECT_EQ(r.bottom, a.bottom - 1);
  ShowWindow(form->Handle(), SW_RESTORE);
  kestrova::testing::PumpFor(30);
  r = WindowRect(form->Handle());
  EXPECT_EQ(r.left, 70);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);
}

TEST(FormRegion, PictureRegionTakesEachOpaqueRun) {
  Bench bench(TsuiUIStyle::DeepBlue);
  HWND h = bench.Window();
  const int w = bench.W(), hh = bench.H();
  TBitmap title(w, 3), bottom(w, 2);
  auto fill = [](TBitmap& b, int y, int x0, int x1, TColor c) {
    for (int x = x0; x < x1; ++x) b.Canvas().SetPixel(x, y, c);
  };
  for (int y = 0; y < 3; ++y) fill(title, y, 0, w, 0xFF00FF);
  fill(title, 0, w - 1, w, 0x202020);  // only the last pixel of row 0
  fill(title, 1, 4, 10, 0x202020);
  fill(title, 1, 20, 21, 0x202020);
  fill(title, 2, 0, w, 0x303030);
  fill(bottom, 0, 0, w, 0x404040);
  fill(bottom, 1, 0, w, 0xFF00FF);
  fill(bottom, 1, 0, 1, 0x404040);  // only the first pixel of the last row
  BuildPictureRegion(h, &title, &bottom, w, hh, 0xFF00FF, -1, -1, -1, -1, true, true);
  EXPECT_TRUE(InRegion(h, w - 1, 0));
  EXPECT_FALSE(InRegion(h, w - 2, 0));
  EXPECT_FALSE(InRegion(h, 0, 0));
  EXPECT_FALSE(InRegion(h, 3, 1));
  EXPECT_TRUE(InRegion(h, 4, 1));
  EXPECT_TRUE(InRegion(h, 9, 1));
  EXPECT_FALSE(InRegion(h, 10, 1));
  EXPECT_TRUE(InRegion(h, 20, 1));
  EXPECT_TRUE(InRegion(h, 0, 2));
  EXPECT_TRUE(InRegion(h, w / 2, hh / 2));
  EXPECT_TRUE(InRegion(h, w - 1, hh - 2));
  EXPECT_TRUE(InRegion(h, 0, hh - 1));
  EXPECT_FALSE(InRegion(h, 1, hh - 1));
  // Without either band the region is the whole window.
  BuildPictureRegion(h, &title, &bottom, w, hh, 0xFF00FF, -1, -1, -1, -1, false, false);
  EXPECT_TRUE(InRegion(h, 0, 0));
  EXPECT_TRUE(InRegion(h, 1, hh - 1));
}

TEST(FormPanel, APanelFillsTheFrameUntilItGoes) {
  Bench bench;
  auto* panel = new TPanel(bench.form.get());
  panel->SetParent(bench.frame);
  panel->SetCaption("inner");
  bench.frame->SetFormPanel(panel);
  EXPECT_EQ(bench.frame->FormPanel(), panel);
  EXPECT_EQ(panel->Align(), framework::TAlign::alClient);
  EXPECT_EQ(panel->BevelOuter(), framework::TBevelCut::bvNone);
  EXPECT_EQ(panel->Caption(), "");
  panel->Free();
  EXPECT_EQ(bench.frame->FormPanel(), nullptr);
}

void CALLBACK EndMenuNow(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

// The frame holds the application's message hook until someone else takes
// it: Alt+Space opens the window menu and is not passed on; other keys are
// menu short cuts only with a menu.
TEST(FormApplicationMessages, AltSpaceOpensTheWindowMenu) {
  framework::TApplication app;
  app.Initialize();
  Bench bench;
  bool opened = false;
  bench.frame->TitleBar()->SystemMenu().OnPopup = [&](framework::TComponent*) { opened = true; };
  MSG alt_space = {bench.Window(), WM_SYSKEYDOWN, VK_SPACE, LPARAM(1) << 29, 0, {}};
  bool handled = false;
  SetTimer(nullptr, 0, 100, EndMenuNow);
  app.OnMessage(alt_space, handled);
  EXPECT_TRUE(handled);
  EXPECT_TRUE(opened);
  MSG key = {bench.Window(), WM_KEYDOWN, 'A', 0, 0, {}};
  handled = false;
  app.OnMessage(key, handled);
  EXPECT_FALSE(handled);
  // Another hook replaces the frame's outright.
  app.OnMessage = [](MSG&, bool&) {};
  opened = handled = false;
  app.OnMessage(alt_space, handled);
  EXPECT_FALSE(handled);
  EXPECT_FALSE(opened);
}

using kestrova::skin::testing::MemorySkin;
using kestrova::skin::testing::TTestFileTheme;

TBitmap Filled(int w, int h, TColor color) {
  TBitmap b(w, h);
  b.Canvas().Brush().SetColor(color);
  b.Canvas().FillRect(RECT{0, 0, w, h});
  return b;
}

// A file theme's border pictures set the frame's sizes and are painted in
// it; its title picture's see-through corner is cut from the window.
TEST(FormFileTheme, BorderPicturesFrameTheWindowAndTheTitleShapesIt) {
  Bench bench(TsuiUIStyle::DeepBlue);
  auto* theme = new TTestFileTheme(bench.form.get());
  auto skin = std::make_unique<MemorySkin>();
  TBitmap first = Filled(20, 26, 0x0000FF);
  first.Canvas().SetPixel(0, 0, 0xFF00FF);
  skin->pictures["SKIN2_TITLEBAR1"] = first;
  skin->pictures["SKIN2_TITLEBAR2"] = Filled(30, 26, 0x00FF00);
  skin->pictures["SKIN2_TITLEBAR3"] = Filled(25, 26, 0xFF0000);
  skin->pictures["SKIN2_TITLEBUTTONS"] = Filled(18 * 16, 14, 0x808080);
  skin->pictures["SKIN2_FORMLEFTBORDER"] = Filled(6, 10, 0x102030);
  skin->pictures["SKIN2_FORMRIGHTBORDER"] = Filled(5, 10, 0x203040);
  skin->pictures["SKIN2_FORMBOTTOMBORDER1"] = Filled(30, 7, 0x304050);
  skin->integers["SKIN2_TRANSCOLOR"] = 0xFF00FF;
  skin->integers["SKIN2_FORMCOLOR"] = 0x445566;
  skin->integers["SKIN2_MENUBARSTARTCOLOR"] = 0x111111;
  skin->integers["SKIN2_MENUBARENDCOLOR"] = 0x222222;
  skin->flags["SKIN2_TITLEBARNEEDREGION"] = true;
  theme->SetSkin(std::move(skin));
  bench.frame->SetFileTheme(theme);
  bench.frame->SetUIStyle(TsuiUIStyle::FromThemeFile);
  kestrova::testing::PumpFor(30);

  HWND h = bench.Window();
  EXPECT_EQ(bench.frame->Color(), 0x445566u);
  EXPECT_EQ(bench.frame->MenuBarColor(), 0x111111u);
  EXPECT_EQ(bench.frame->MenuBarToColor(), 0x222222u);
  const RECT f = FrameSizes(h);
  EXPECT_EQ(f.left, 6);
  EXPECT_EQ(f.right, 5);
  EXPECT_EQ(f.bottom, 7);
  EXPECT_EQ(SendMessageW(h, SUIM_GETBORDERWIDTH, 0, 0), 6);

  TBitmap shot = bench.Shot();
  const int w = bench.W(), hh = bench.H();
  for (int x = 0; x < 6; ++x) EXPECT_EQ(At(shot, x, hh / 2), 0x102030u) << x;
  for (int x = w - 5; x < w; ++x) EXPECT_EQ(At(shot, x, hh / 2), 0x203040u) << x;
  for (int y = hh - 7; y < hh; ++y) EXPECT_EQ(At(shot, w / 2, y), 0x304050u) << y;

  EXPECT_FALSE(InRegion(h, 0, 0));
  EXPECT_TRUE(InRegion(h, 1, 0));
  EXPECT_TRUE(InRegion(h, w / 2, hh / 2));
  EXPECT_TRUE(InRegion(h, w - 1, hh - 1));

  // The theme gone, the frame is DeepBlue again with the built-in frame.
  theme->Free();
  EXPECT_EQ(bench.frame->FileTheme(), nullptr);
  EXPECT_EQ(bench.frame->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(FrameSizes(h).left, 3);
  EXPECT_EQ(FrameSizes(h).bottom, 2);
  EXPECT_TRUE(InRegion(h, 0, 0));
}

// Pictures of a small skinned form in each style, for looking at.
TEST(FormShots, EveryStyle) {
  const std::filesystem::path dir = std::filesystem::path(KESTROVA_BINARY_DIR) / "screenshots";
  std::filesystem::create_directories(dir);
  for (TsuiUIStyle style : kBuiltInStyles) {
    Bench bench(style);
    bench.frame->SetCaption(std::string("Skinned form: ") + Name(style));
    auto* label = new framework::TLabel(bench.form.get());
    label->SetParent(bench.frame);
    label->SetBounds(16, 40, 200, 16);
    label->SetCaption("The frame, its corners and its background");
    kestrova::testing::PumpFor(30);
    framework::SaveBitmapToPng(bench.Shot(),
                               (dir / (std::string("form_") + Name(style) + ".png")).string());
  }
}

}  // namespace
}  // namespace kestrova::skin
