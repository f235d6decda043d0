// Skinned popups opened for real: the menu's own loop draws the items, the
// test looks at the open menu window and leaves a picture of it behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/capture.h"
#include "framework/form.h"
#include "framework/handles.h"
#include "framework/short_cut.h"
#include "framework/timer.h"
#include "skin/menus.h"
#include "skin/styles.h"
#include "tests/skin/open_menu.h"

namespace kestrova::skin {
namespace {

using namespace framework;
using S = TsuiUIStyle;
using testing::OpenMenuWindow;
using testing::OutputPath;

// The open menu window as it shows.
TBitmap Shot(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  TBitmap out(r.right - r.left, r.bottom - r.top);
  WindowDc dc(window, WindowDc::kWholeWindow);
  BitBlt(out.Canvas().Handle(), 0, 0, out.Width(), out.Height(), dc.Get(), 0, 0, SRCCOPY);
  return out;
}

TMenuItem* AddItem(TsuiPopupMenu* menu, const std::string& caption) {
  auto* item = new TMenuItem(menu->Owner());
  item->SetCaption(caption);
  menu->Items()->Add(item);
  return item;
}

const char* Name(S style) {
  static const char* const kNames[] = {"FromThemeFile", "MacOS",   "WinXP",
                                       "DeepBlue",      "Protein", "BlueGlass"};
  return kNames[int(style)];
}

TEST(SkinnedPopupMenu, OpenMenuShowsTheStyleWithTheFirstItemSelected) {
  OwnedComponent<TForm> form(new TForm(nullptr));
  form->SetBounds(40, 40, 320, 260);
  form->Show();
  for (S style : {S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass}) {
    auto* popup = new TsuiPopupMenu(form.get());
    popup->SetUIStyle(style);
    popup->SetFlatMenu(style == S::BlueGlass);  // drawn over the open window, on the screen
    TMenuItem* open = AddItem(popup, "&Open...");
    open->SetShortCut(ShortCut('O', {TShiftFlag::ssCtrl}));
    AddItem(popup, "&Save")->SetChecked(true);
    AddItem(popup, "-");
    AddItem(popup, "Disabled")->SetEnabled(false);
    AddItem(popup, "E&xit")->SetDefault(true);
    TBitmap shot;
    bool clicked = false;
    open->OnClick = [&](TComponent*) { clicked = true; };
    int ticks = 0;
    auto* timer = new TTimer(form.get());
    timer->SetInterval(60);
    timer->OnTimer = [&](TComponent*) {
      HWND window = OpenMenuWindow();
      if (!window) return;
      if (++ticks == 1) {
        PostMessageW(popup->WindowHandle(), WM_KEYDOWN, VK_DOWN, 0);
      } else if (ticks == 4) {
        shot = Shot(window);
        PostMessageW(popup->WindowHandle(), WM_KEYDOWN, VK_RETURN, 0);
      } else if (ticks > 30) {
        EndMenu();
      }
    };
    popup->Popup(80, 80);
    timer->Free();
    ASSERT_FALSE(shot.Empty()) << Name(style);
    SaveBitmapToPng(shot, OutputPath(std::string("menu_") + Name(style) + ".png"));
    EXPECT_TRUE(clicked) << Name(style);
    // The first item (selected) spans its rows, 3 pixels into the window.
    TColor selected = shot.Canvas().Pixel(shot.Width() - 8, 8);
    TColor normal = shot.Canvas().Pixel(shot.Width() - 8, popup->MenuItemHeight() + 8);
    if (style == S::MacOS) {
      EXPECT_NE(selected, normal);
    } else {
      EXPECT_EQ(selected, popup->SelectedColor()) << Name(style);
      EXPECT_EQ(normal, popup->Color()) << Name(style);
      EXPECT_EQ(shot.Canvas().Pixel(8, popup->MenuItemHeight() + 8), popup->BarColor());
    }
    popup->Free();
  }
}

}  // namespace
}  // namespace kestrova::skin
