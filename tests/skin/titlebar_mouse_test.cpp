// The title bar under the mouse: hover and pressed pictures, clicks on the
// buttons, dragging the form, double clicks.
#include <gtest/gtest.h>

#include "tests/skin/titlebar_bench.h"
#include "tests/testing/mouse_input.h"

namespace kestrova::skin {
namespace {

using kestrova::testing::SendMouse;

using namespace titlebar_testing;
using framework::TWindowState;
using Type = TsuiTitleBarBtnType;

// Where a button is drawn on the bar (found from its picture's position).
POINT ButtonCentre(Bench& bench, Type type) {
  TBitmap shot = Shot(*bench.bar);
  TsuiTitleBarButton& b = bench.Button(type);
  for (int x = 0; x + b.PicNormal().Width() <= shot.Width(); ++x)
    if (Shows(shot, b.PicNormal().Bitmap(), x, bench.bar->ButtonTop(), true))
      return POINT{x + b.PicNormal().Width() / 2, bench.bar->ButtonTop() + 5};
  ADD_FAILURE() << "button not drawn";
  return POINT{0, 0};
}

TEST(TitleBarMouse, HoverAndPressedFramesFollowThePointer) {
  for (TsuiUIStyle style : kBuiltInStyles) {
    SCOPED_TRACE(StyleName(style));
    Bench bench(style);
    TsuiTitleBarButton& max = bench.Button(Type::suiMax);
    const POINT c = ButtonCentre(bench, Type::suiMax);
    const int left = c.x - max.PicNormal().Width() / 2, top = bench.bar->ButtonTop();
    const bool see_through = max.Transparent();

    bench.MoveTo(c.x, c.y);
    EXPECT_EQ(bench.bar->HotButton(), max.Index());
    TBitmap shot = Shot(*bench.bar);
    EXPECT_TRUE(Shows(shot, max.PicMouseOn().Bitmap(), left, top, see_through));

    bench.bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
    shot = Shot(*bench.bar);
    EXPECT_TRUE(Shows(shot, max.PicMouseDown().Bitmap(), left, top, see_through));
    EXPECT_EQ(bench.form->WindowState(), TWindowState::wsNormal);  // not before the release
    bench.bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
    EXPECT_EQ(bench.form->WindowState(), TWindowState::wsMaximized);
    bench.form->SetWindowState(TWindowState::wsNormal);
    bench.bar->UpdateMaximizeButtons();
    kestrova::testing::PumpFor(10);

    bench.MoveTo(20, bench.bar->Height() - 2);  // off the buttons
    EXPECT_EQ(bench.bar->HotButton(), -1);
    shot = Shot(*bench.bar);
    EXPECT_TRUE(Shows(shot, max.PicNormal().Bitmap(), left, top, see_through));
  }
}

TEST(TitleBarMouse, ClicksRunTheButtonsAndFireTheEvents) {
  Bench bench(TsuiUIStyle::MacOS);
  TsuiTitleBarButton* help = bench.bar->Buttons().Add();
  help->SetUIStyle(TsuiUIStyle::MacOS);
  help->SetButtonType(Type::suiHelp);
  TsuiTitleBarButton* custom = bench.bar->Buttons().Add();
  framework::TPicture own;
  own.Bitmap().Assign(Filled(17, 17, 0x3366CC));
  custom->SetPicNormal(own);
  custom->SetPicMouseOn(own);
  custom->SetPicMouseDown(own);
  std::string events;
  bench.bar->OnHelpBtnClick = [&](framework::TComponent* sender, int index) {
    EXPECT_EQ(sender, bench.bar);
    events += "help" + std::to_string(index) + " ";
  };
  bench.bar->OnCustomBtnsClick = [&](framework::TComponent*, int index) {
    events += "custom" + std::to_string(index) + " ";
  };
  auto click = [&](Type type) {
    const POINT c = ButtonCentre(bench, type);
    bench.MoveTo(c.x, c.y);
    bench.bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
    bench.bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
  };
  click(Type::suiHelp);
  click(Type::suiCustom);
  EXPECT_EQ(events, "help4 custom5 ");

  // Pressed on a button, released off it: nothing happens.
  const POINT min = ButtonCentre(bench, Type::suiMin);
  bench.MoveTo(min.x, min.y);
  bench.bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(min.x, min.y));
  bench.MoveTo(min.x, min.y + 60);
  bench.bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(min.x, min.y + 60));
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsNormal);

  click(Type::suiMin);
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsMinimized);
  bench.form->SetWindowState(TWindowState::wsNormal);
  kestrova::testing::PumpFor(10);
  click(Type::suiClose);
  EXPECT_FALSE(bench.form->Visible());
}

TEST(TitleBarMouse, ControlBoxShowsTheWindowMenuOrItsOwnMenu) {
  Bench bench(TsuiUIStyle::MacOS);
  const int y = bench.bar->IconTop() + 4;
  std::string shown;
  bench.bar->SystemMenu().OnPopup = [&](framework::TComponent*) { shown += "window "; };
  auto click_box = [&] {
    bench.MoveTo(8, y);
    bench.bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, y));
    CloseMenuSoon();
    bench.bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(8, y));
  };
  click_box();
  EXPECT_EQ(shown, "window ");

  auto* own = new TsuiPopupMenu(bench.form.get());
  own->OnPopup = [&](framework::TComponent*) { shown += "own "; };
  bench.Button(Type::suiControlBox).SetControlBoxMenu(own);
  click_box();
  EXPECT_EQ(shown, "window own ");

  own->Free();  // the button forgets it and shows the window menu again
  EXPECT_EQ(bench.Button(Type::suiControlBox).ControlBoxMenu(), nullptr);
  click_box();
  EXPECT_EQ(shown, "window own window ");
  EXPECT_TRUE(bench.form->Visible());
}

TEST(TitleBarMouse, DraggingTheFreeAreaMovesTheForm) {
  Bench bench(TsuiUIStyle::MacOS);
  const POINT start = bench.bar->ClientToScreen(POINT{120, 8});
  const int left = bench.form->Left(), top = bench.form->Top();
  kestrova::testing::DragThroughMoveLoop(start, POINT{start.x + 40, start.y + 30});
  EXPECT_EQ(bench.form->Left(), left + 40);
  EXPECT_EQ(bench.form->Top(), top + 30);

  // A maximized form stays where it is.
  bench.form->SetWindowState(TWindowState::wsMaximized);
  kestrova::testing::PumpFor(50);
  const RECT before = bench.form->BoundsRect();
  const POINT at = bench.bar->ClientToScreen(POINT{120, 8});
  SendMouse(0, at);
  SendMouse(MOUSEEVENTF_LEFTDOWN, at);
  SendMouse(0, POINT{at.x + 40, at.y + 30});
  SendMouse(MOUSEEVENTF_LEFTUP, POINT{at.x + 40, at.y + 30});
  kestrova::testing::PumpFor(300);
  EXPECT_EQ(bench.form->BoundsRect().left, before.left);
  EXPECT_EQ(bench.form->BoundsRect().top, before.top);
}

TEST(TitleBarMouse, DoubleClickMaximizesRestoresAndClosesOnTheControlBox) {
  Bench bench(TsuiUIStyle::MacOS);
  TBitmap restore = Picture(TsuiUIStyle::MacOS, entry::kTitleButtons, 18, 10);
  bench.MoveTo(120, 8);
  bench.bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(120, 8));
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsMaximized);
  EXPECT_TRUE(Shows(bench.Button(Type::suiMax).PicNormal().Bitmap(), restore, 0, 0));
  bench.bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(120, 8));

  // Restoring: the second press then starts a move, which its release ends.
  PostMessageW(bench.form->Handle(), WM_LBUTTONUP, 0, 0);
  bench.MoveTo(120, 8);
  bench.bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(120, 8));
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsNormal);
  kestrova::testing::PumpFor(20);

  bench.MoveTo(8, bench.bar->IconTop() + 4);  // the application icon of the control box
  EXPECT_EQ(bench.bar->HotButton(), 0);
  bench.bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, bench.bar->IconTop() + 4));
  EXPECT_FALSE(bench.form->Visible());
}

}  // namespace
}  // namespace kestrova::skin
