#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/main_menu.h"
#include "framework/menu_hotkeys.h"
#include "framework/popup_menu.h"
#include "framework/timer.h"
#include "framework_test_support.h"
#include "tests/testing/menu_items.h"

namespace kestrova::framework {
namespace {

TEST(ShortCuts, TextNamesTheShiftKeysInOrderAndReadsBack) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', {TShiftFlag::ssCtrl})), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, {TShiftFlag::ssAlt, TShiftFlag::ssShift})),
            "Shift+Alt+F5");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, {})), "Del");
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCut('S', {TShiftFlag::ssCtrl}), 16467);  // as designs store it
  for (TShortCut s : {ShortCut('S', {TShiftFlag::ssCtrl}), ShortCut(VK_BACK, {TShiftFlag::ssAlt}),
                      ShortCut(VK_F12, {TShiftFlag::ssShift, TShiftFlag::ssCtrl})})
    EXPECT_EQ(TextToShortCut(ShortCutToText(s)), s) << ShortCutToText(s);
  EXPECT_EQ(TextToShortCut("ctrl+s"), ShortCut('S', {TShiftFlag::ssCtrl}));
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Hyper+X"), scNone);
}

TEST(AutoHotkeys, CaptionsWithoutAcceleratorTakeTheFirstFreeLetter) {
  EXPECT_EQ(AutoHotkeyCaptions({"&File", "Find", "Format", "-", "F"}),
            (std::vector<std::string>{"&File", "F&ind", "F&ormat", "-", "F"}));
  EXPECT_EQ(AutoHotkeyCaptions({"a&&b", "ab"}), (std::vector<std::string>{"&a&&b", "a&b"}));
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(60, 60, 320, 200);
    menu = new TMainMenu(form);
    file = Item(menu->Items(), "&File");
    open = Item(file, "&Open");
    Item(file, "-");
    save = Item(file, "&Save");
    save->SetShortCut(ShortCut('S', {TShiftFlag::ssCtrl}));
    edit = Item(menu->Items(), "&Edit");
    undo = Item(edit, "&Undo");
    undo->SetShortCut(ShortCut(VK_BACK, {TShiftFlag::ssAlt}));
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }
  TMenuItem* Item(TMenuItem* parent, const std::string& caption) {
    return kestrova::testing::AddMenuItem(form, parent, caption, clicked);
  }
  static std::wstring Text(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
  }
  TApplication app;
  std::vector<std::string> errors, clicked;
  TForm* form = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem *file, *open, *save, *edit, *undo;
};

TEST_F(MenuTest, TheFormShowsTheTreeAsItsWin32MenuBarAndFollowsChanges) {
  form->SetMenu(menu);
  form->Show();
  HMENU bar = GetMenu(form->Handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(Text(bar, 0), L"&File");
  HMENU sub = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(sub), 3);
  EXPECT_EQ(Text(sub, 2), L"&Save\tCtrl+S");
  EXPECT_TRUE(GetMenuState(sub, 1, MF_BYPOSITION) & MF_SEPARATOR);
  // A change makes the bar again, with the item's state.
  save->SetChecked(true);
  open->SetEnabled(false);
  undo->SetVisible(false);
  bar = GetMenu(form->Handle());
  sub = GetSubMenu(bar, 0);
  EXPECT_TRUE(GetMenuState(sub, 2, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 1)), 0);
  // Commands reach the item; those of controls (lParam set) do not.
  form->Perform(WM_COMMAND, save->Command(), 0);
  form->Perform(WM_COMMAND, save->Command(), LPARAM(form->Handle()));
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Save"}));
  form->SetMenu(nullptr);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  // Freeing the menu while shown leaves the form without one.
  form->SetMenu(menu);
  menu->Free();
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

TEST_F(MenuTest, IsShortCutClicksTheEnabledItemWithThatKey) {
  TMessage alt_back{WM_SYSKEYDOWN, VK_BACK, LPARAM(1) << 29, 0};
  EXPECT_TRUE(menu->IsShortCut(alt_back));
  TMessage plain_back{WM_KEYDOWN, VK_BACK, 0, 0};
  EXPECT_FALSE(menu->IsShortCut(plain_back));
  // Ctrl as held now.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  TMessage ctrl_s{WM_KEYDOWN, 'S', 0, 0};
  EXPECT_TRUE(form->IsShortCut(ctrl_s) == false);  // the form has no menu yet
  form->SetMenu(menu);
  EXPECT_TRUE(form->IsShortCut(ctrl_s));
  file->SetEnabled(false);  // a disabled parent hides the item's short cut
  EXPECT_FALSE(menu->IsShortCut(ctrl_s));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Undo", "&Save"}));
}

TEST_F(MenuTest, RadioItemsOfAGroupUncheckEachOther) {
  TMenuItem* a = Item(edit, "A");
  TMenuItem* b = Item(edit, "B");
  TMenuItem* c = Item(edit, "C");
  for (TMenuItem* i : {a, b, c}) i->SetRadioItem(true);
  c->SetGroupIndex(1);
  a->SetChecked(true);
  c->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked());
  // Freeing an item takes its items along and out of the menu.
  int components = form->ComponentCount();
  file->Free();
  EXPECT_EQ(menu->Items()->Count(), 1);
  EXPECT_EQ(form->ComponentCount(), components - 4);
  EXPECT_THROW(undo->Add(edit), Error);
}

// An owner-drawn list box: its WM_MEASUREITEM names it by control id only.
class TMeasuredList : public TWinControl {
 public:
  using TWinControl::TWinControl;
  int measured = 0;

 protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    p.window_class = L"LISTBOX";
    p.style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
  }
  void WndProc(TMessage& m) override {
    if (m.msg == CN_MEASUREITEM) {
      ++measured;
      reinterpret_cast<MEASUREITEMSTRUCT*>(m.lparam)->itemHeight = 17;
      m.result = TRUE;
      return;
    }
    TWinControl::WndProc(m);
  }
};

TEST_F(MenuTest, MeasuringReachesTheChildByItsIdAndMenuItemsTheirMenu) {
  auto* one = new TMeasuredList(form);
  auto* two = new TMeasuredList(form);
  one->SetParent(form);
  two->SetParent(form);
  form->SetMenu(menu);
  form->Show();
  EXPECT_NE(GetDlgCtrlID(one->Handle()), GetDlgCtrlID(two->Handle()));
  SendMessageW(two->Handle(), LB_ADDSTRING, 0, LPARAM(L"row"));
  EXPECT_EQ(two->measured, 1);
  EXPECT_EQ(one->measured, 0);
  EXPECT_EQ(SendMessageW(two->Handle(), LB_GETITEMHEIGHT, 0, 0), 17);
  // A menu item's measure goes to the item, whatever control has its number.
  menu->SetOwnerDraw(true);
  int item_measured = 0;
  save->OnMeasureItem = [&](TComponent*, TCanvas&, int& w, int& h) {
    ++item_measured;
    w = h = 10;
  };
  MEASUREITEMSTRUCT measure{ODT_MENU, save->Command(), save->Command(), 0, 0, save->Command()};
  EXPECT_EQ(form->Perform(WM_MEASUREITEM, 0, LPARAM(&measure)), TRUE);
  EXPECT_EQ(item_measured, 1);
  EXPECT_EQ(measure.itemHeight, 10u);
  EXPECT_EQ(one->measured + two->measured, 1);
}

// A popup whose items are owner-drawn in one colour each, checked through
// the pixels of the open menu's window.
class OwnerDrawTest : public MenuTest {
 protected:
  static BOOL CALLBACK FindMenuWindow(HWND w, LPARAM out) {
    wchar_t name[16] = {};
    GetClassNameW(w, name, 16);
    if (std::wstring(name) != L"#32768" || !IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  static HWND OpenMenuWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMenuWindow, LPARAM(&found));
    return found;
  }
  static TColor PixelOf(HWND window, POINT p) {
    WindowDc dc(window);
    return GetPixel(dc.Get(), p.x, p.y);
  }
};

TEST_F(OwnerDrawTest, ItemsAreMeasuredAndDrawnByTheirHandlersWithTheirState) {
  auto* popup = new TPopupMenu(form);
  popup->SetOwnerDraw(true);
  TMenuItem* first = Item(popup->Items(), "First");
  TMenuItem* second = Item(popup->Items(), "Second");
  second->SetChecked(true);
  TMenuItem* line = Item(popup->Items(), "-");
  std::vector<RECT> rects(3);
  std::vector<TOwnerDrawState> states(3);
  int measured = 0;
  for (TMenuItem* item : {first, second, line}) {
    item->OnMeasureItem = [&measured, item](TComponent*, TCanvas& canvas, int& w, int& h) {
      ++measured;
      EXPECT_GT(canvas.TextHeight("W"), 0);  // a canvas with the menu font
      w = 120;
      h = item->IsLine() ? 6 : 30;
    };
    int index = item->MenuIndex();
    item->OnAdvancedDrawItem = [&, index](TComponent*, TCanvas& canvas, const RECT& r,
                                          TOwnerDrawState state) {
      rects[size_t(index)] = r;
      states[size_t(index)] = state;
      canvas.Brush().SetColor(state.Contains(TOwnerDrawStateFlag::odSelected) ? clRed
                              : index == 1                                    ? clLime
                                                                              : clBlue);
      canvas.FillRect(r);
    };
  }
  form->Show();
  // Looked at while the menu's own loop runs: first as opened, then after
  // Down selected the first item; Enter chooses it.
  std::vector<TColor> seen;
  int ticks = 0;
  auto* timer = new TTimer(form);
  timer->SetInterval(50);
  timer->OnTimer = [&](TComponent*) {
    HWND window = OpenMenuWindow();
    if (!window) return;
    POINT in_first{rects[0].left + 5, rects[0].top + 5};
    POINT in_second{rects[1].left + 5, rects[1].top + 5};
    if (++ticks == 1) {
      seen = {PixelOf(window, in_first), PixelOf(window, in_second)};
      PostMessageW(popup->WindowHandle(), WM_KEYDOWN, VK_DOWN, 0);
    } else if (ticks == 3) {
      seen.push_back(PixelOf(window, in_first));
      PostMessageW(popup->WindowHandle(), WM_KEYDOWN, VK_RETURN, 0);
    } else if (ticks > 20) {
      EndMenu();
    }
  };
  popup->Popup(100, 100);
  timer->SetEnabled(false);
  EXPECT_EQ(measured, 3);
  EXPECT_EQ(rects[0].bottom - rects[0].top, 30);
  EXPECT_EQ(rects[2].bottom - rects[2].top, 6);
  EXPECT_EQ(rects[1].top, rects[0].bottom);
  EXPECT_TRUE(states[1].Contains(TOwnerDrawStateFlag::odChecked));
  EXPECT_FALSE(states[2].Contains(TOwnerDrawStateFlag::odSelected));
  EXPECT_EQ(seen, (std::vector<TColor>{clBlue, clLime, clRed}));
  EXPECT_EQ(clicked, (std::vector<std::string>{"First"}));
  EXPECT_EQ(popup->WindowHandle(), nullptr);
}

}  // namespace
}  // namespace kestrova::framework
