// The skinned frame's menu bar under Wine: its buttons, its look in each
// style, the drop-downs opened from the keyboard and the menu's short cuts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/capture.h"
#include "framework/form.h"
#include "framework/popup_menu.h"
#include "framework/short_cut.h"
#include "framework/stored_design.h"
#include "framework/timer.h"
#include "skin/form/form.h"
#include "skin/form/menu_bar.h"
#include "skin/menus.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"
#include "tests/skin/open_menu.h"
#include "tests/testing/menu_items.h"

namespace kestrova::skin {
namespace {

using namespace framework;
using S = TsuiUIStyle;
using testing::OpenMenuWindow;
using testing::OutputPath;

constexpr LPARAM kAltDown = LPARAM(1) << 29;

void Pump(int rounds = 5) {
  for (int i = 0; i < rounds; ++i) {
    TApplication::Current()->ProcessMessages();
    Sleep(10);
  }
}

// What the screen shows of the form and the menu open under its bar.
TBitmap ScreenAround(HWND form, HWND menu) {
  RECT f, m;
  GetWindowRect(form, &f);
  GetWindowRect(menu, &m);
  RECT r{std::min(f.left, m.left), std::min(f.top, m.top), std::max(f.right, m.right),
         std::max(f.bottom, m.bottom)};
  TBitmap out(r.right - r.left, r.bottom - r.top);
  WindowDc screen(nullptr);
  BitBlt(out.Canvas().Handle(), 0, 0, out.Width(), out.Height(), screen.Get(), r.left, r.top,
         SRCCOPY);
  return out;
}

TBitmap Shot(TControl& control) {
  TBitmap out(control.Width(), control.Height());
  control.PaintTo(out);
  return out;
}

int Count(TBitmap& b, TColor color, const RECT& area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += b.Canvas().Pixel(x, y) == color;
  return n;
}

// Holds the Ctrl key down in this thread's keyboard state while it lives.
class CtrlHeld {
 public:
  CtrlHeld() {
    GetKeyboardState(saved_);
    BYTE held[256];
    std::copy(saved_, saved_ + 256, held);
    held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
    SetKeyboardState(held);
  }
  ~CtrlHeld() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

// A shown form taken over by a skinned frame with a File / Edit / Help menu.
class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(60, 60, 360, 240);
    form->SetCaption("Menu bar");
    frame = new TsuiForm(form);
    frame->SetParent(form);
    menu = new TsuiMainMenu(form);
    file = Item(menu->Items(), "&File");
    open = Item(file, "&Open...");
    open->SetShortCut(ShortCut('O', {TShiftFlag::ssCtrl}));
    Item(file, "-");
    Item(file, "E&xit");
    edit = Item(menu->Items(), "&Edit");
    Item(edit, "&Undo")->SetChecked(true);
    Item(edit, "&Redo")->SetEnabled(false);
    help = Item(menu->Items(), "&Help");
    Item(help, "&About");
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }
  TMenuItem* Item(TMenuItem* parent, const std::string& caption) {
    return kestrova::testing::AddMenuItem(form, parent, caption, clicked);
  }
  void Show() {
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
  }
  TsuiMenuBar& Bar() { return *frame->MenuBar(); }
  // Runs `step` on every timer tick while the test waits in a menu loop.
  TTimer* Driver(std::function<void()> step) {
    auto* timer = new TTimer(form);
    timer->SetInterval(60);
    timer->OnTimer = [step](TComponent*) { step(); };
    return timer;
  }

  TApplication app;
  std::vector<std::string> errors, clicked;
  TForm* form = nullptr;
  TsuiForm* frame = nullptr;
  TsuiMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *open = nullptr, *edit = nullptr, *help = nullptr;
};

TEST_F(MenuBarTest, OneButtonPerTopLevelItemFollowingTheMenu) {
  frame->SetMenuBarHeight(30);
  EXPECT_EQ(frame->MenuBarHeight(), 0);  // no menu, no bar
  EXPECT_EQ(frame->MenuBar(), nullptr);
  frame->SetMenuBarHeight(22);
  frame->SetMenu(menu);
  Show();
  ASSERT_NE(frame->MenuBar(), nullptr);
  EXPECT_EQ(Bar().Form(), frame);
  ASSERT_EQ(Bar().ButtonCount(), 3);
  std::vector<std::string> captions;
  for (int i = 0; i < 3; ++i) captions.push_back(Bar().Buttons(i)->Caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Edit", "&Help"}));
  EXPECT_LT(Bar().Buttons(0)->Left(), Bar().Buttons(1)->Left());
  EXPECT_LT(Bar().Buttons(1)->Left(), Bar().Buttons(2)->Left());
  EXPECT_EQ(frame->MenuBarHeight(), 22);
  // The bar sits under the title bar.
  EXPECT_GE(Bar().Top(), frame->TitleBar()->Top() + frame->TitleBar()->Height());
  // Item changes reach the buttons; a new top-level item a new button.
  edit->SetCaption("&Change");
  help->SetEnabled(false);
  EXPECT_EQ(Bar().Buttons(1)->Caption(), "&Change");
  EXPECT_FALSE(Bar().Buttons(2)->Enabled());
  Item(menu->Items(), "&Window");
  frame->UpdateMenuBar();
  EXPECT_EQ(Bar().ButtonCount(), 4);
  // Menu gone, bar gone; the menu is told it has no frame any more.
  frame->SetMenu(nullptr);
  EXPECT_EQ(frame->MenuBar(), nullptr);
  EXPECT_EQ(frame->MenuBarHeight(), 0);
  EXPECT_EQ(menu->MenuBarHostForm(), nullptr);
  frame->SetMenu(menu);
  EXPECT_EQ(menu->MenuBarHostForm(), frame);
  menu->Free();
  EXPECT_EQ(frame->Menu(), nullptr);
  EXPECT_EQ(frame->MenuBar(), nullptr);
}

TEST_F(MenuBarTest, BarAndButtonsAreDrawnInTheMenuStyle) {
  frame->SetMenu(menu);
  help->SetEnabled(false);
  Show();
  for (S style : {S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass}) {
    frame->SetUIStyle(style);
    EXPECT_EQ(menu->UIStyle(), style);  // the frame hands its style on
    TBitmap b = Shot(Bar());
    RECT free_area{Bar().Width() - 20, 0, Bar().Width(), Bar().Height()};
    int cells = (free_area.right - free_area.left) * (free_area.bottom - free_area.top);
    EXPECT_EQ(Count(b, frame->MenuBarColor(), free_area), cells) << int(style);
    RECT help_rect = Bar().Buttons(2)->BoundsRect();
    EXPECT_GT(Count(b, 0x808080, help_rect), 3) << int(style);
    RECT file_rect = Bar().Buttons(0)->BoundsRect();
    EXPECT_GT(Count(b, 0x000000, file_rect), 3) << int(style);
  }
  // Two bar colours: a vertical gradient.
  frame->SetMenuBarColor(0x0000FF);
  frame->SetMenuBarToColor(0xFF0000);
  TBitmap gradient = Shot(Bar());
  int x = Bar().Width() - 5;
  EXPECT_GT(GetRValue(gradient.Canvas().Pixel(x, 0)), 200);
  EXPECT_GT(GetBValue(gradient.Canvas().Pixel(x, Bar().Height() - 1)), 200);
  // Hot in WinXP: the highlight fill, framed, and the tag that marks it.
  frame->SetUIStyle(S::WinXP);
  TToolButton* file_button = Bar().Buttons(0);
  SendMessageW(Bar().Handle(), WM_MOUSEMOVE, 0,
               MAKELPARAM(file_button->Left() + 4, file_button->Top() + 4));
  TBitmap hot = Shot(Bar());
  RECT r = file_button->BoundsRect();
  EXPECT_EQ(hot.Canvas().Pixel(r.left, r.top), 0xC66931u);
  EXPECT_EQ(hot.Canvas().Pixel(r.left + 1, r.top + 1), 0xEFD3C6u);
  EXPECT_EQ(file_button->Tag(), kHighlightedButtonTag);
  EXPECT_TRUE(Bar().HasHighlightedButton());
  // Hot in MacOS: the selection picture with a white caption.
  frame->SetUIStyle(S::MacOS);
  TBitmap mac = Shot(Bar());
  TBitmap select;
  select.LoadFromResourceName(nullptr, "MACOS_MENU_SELECT");
  TBitmap expected(1, r.bottom - r.top);
  expected.Canvas().StretchDraw({0, 0, 1, expected.Height()}, select);
  for (int y = 0; y < expected.Height(); ++y)
    EXPECT_EQ(mac.Canvas().Pixel(r.left + 1, r.top + y), expected.Canvas().Pixel(0, y)) << y;
  EXPECT_GT(Count(mac, 0xFFFFFF, r), 3);
  EXPECT_EQ(file_button->Tag(), kHighlightedButtonTag);
  SaveBitmapToPng(CaptureWindow(form->Handle()), OutputPath("menu_bar_MacOS.png"));
}

TEST_F(MenuBarTest, TheFrameBesideTheBarIsPaintedLikeTheBar) {
  frame->SetMenu(menu);
  Show();
  frame->SetUIStyle(S::DeepBlue);
  frame->SetMenuBarColor(0x00FF00);
  frame->SetMenuBarToColor(0x00FF00);
  frame->PaintFormBorder();
  TBitmap window = CaptureWindow(form->Handle());
  int t = frame->GetTitleAreaHeight(), m = frame->MenuBarHeight();
  ASSERT_GT(m, 0);
  int w = window.Width();
  for (int x : {1, 2, w - 3, w - 2}) {
    EXPECT_EQ(window.Canvas().Pixel(x, t + m / 2), 0x00FF00u) << x;
    EXPECT_EQ(window.Canvas().Pixel(x, t + m + 4), frame->Color()) << x;
  }
  EXPECT_EQ(window.Canvas().Pixel(0, t + m / 2), frame->BorderColor());
}

TEST_F(MenuBarTest, AltLetterDropsDownAndRightMovesToTheNextMenu) {
  frame->SetMenu(menu);
  frame->SetUIStyle(S::WinXP);
  menu->SetAutoHotkeys(TMenuAutoFlag::maManual);
  Show();
  // No Alt and nothing lit: a letter opens nothing.
  EXPECT_EQ(Bar().Perform(CM_DIALOGCHAR, 'f', 0), 0);
  std::vector<std::string> opened;
  std::vector<bool> manual_hotkeys;
  TColor first_item_bar = 0;
  TBitmap shot;
  TTimer* driver = Driver([&] {
    TToolButton* lit = Bar().MenuButton();
    HWND window = OpenMenuWindow();
    if (!lit || !window) return;
    if (!opened.empty() && opened.back() == lit->Caption()) return;
    opened.push_back(lit->Caption());
    for (TComponent* c : Bar().Components())
      if (auto* popup = dynamic_cast<TPopupMenu*>(c))
        manual_hotkeys.push_back(popup->AutoHotkeys() == TMenuAutoFlag::maManual);
    if (opened.size() == 1) {
      PostMessageW(form->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    } else {
      // The drop-down is drawn by the skinned menu: its leading bar.
      WindowDc dc(window);
      first_item_bar = GetPixel(dc.Get(), 8, 8);
      shot = ScreenAround(form->Handle(), window);
      PostMessageW(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    }
  });
  // Alt+F as the keyboard sends it, through the application's loop.
  PostMessageW(form->Handle(), WM_SYSCHAR, 'f', kAltDown);
  Pump();
  driver->Free();
  EXPECT_EQ(opened, (std::vector<std::string>{"&File", "&Edit"}));
  EXPECT_EQ(manual_hotkeys, (std::vector<bool>{true, true}));
  EXPECT_EQ(first_item_bar, menu->BarColor());
  EXPECT_EQ(Bar().MenuButton(), nullptr);
  EXPECT_TRUE(clicked.empty());
  if (!shot.Empty()) SaveBitmapToPng(shot, OutputPath("menu_bar_WinXP.png"));
}

TEST_F(MenuBarTest, TheOpenDropDownInEachStyle) {
  frame->SetMenu(menu);
  Show();
  for (S style : {S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass}) {
    frame->SetUIStyle(style);
    TBitmap shot;
    TColor item_bar = 0;
    TTimer* driver = Driver([&] {
      HWND window = OpenMenuWindow();
      if (!window || !Bar().MenuButton()) return;
      WindowDc dc(window);
      item_bar = GetPixel(dc.Get(), 8, 8);
      shot = ScreenAround(form->Handle(), window);
      PostMessageW(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(Bar().Perform(CM_DIALOGCHAR, 'f', kAltDown), 1);
    driver->Free();
    ASSERT_FALSE(shot.Empty()) << int(style);
    if (style != S::MacOS) {
      EXPECT_EQ(item_bar, menu->BarColor()) << int(style);
    }
    const char* names[] = {"", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
    SaveBitmapToPng(shot, OutputPath(std::string("menu_bar_open_") + names[int(style)] + ".png"));
  }
}

TEST_F(MenuBarTest, ShortCutsReachTheirItemWhileTheFormIsActive) {
  frame->SetMenu(menu);
  Show();
  ASSERT_TRUE(form->Active());
  {
    CtrlHeld ctrl;
    TMessage key{WM_KEYDOWN, 'O', 0, 0};
    frame->HandleMenuShortCut(key);
    EXPECT_EQ(key.result, 1);
    // Through the application's loop, as typed.
    PostMessageW(form->Handle(), WM_KEYDOWN, 'O', 0);
    Pump();
    TMessage other{WM_KEYDOWN, 'Q', 0, 0};
    frame->HandleMenuShortCut(other);
    EXPECT_EQ(other.result, 0);
  }
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Open...", "&Open..."}));
  // Without Ctrl the letter is no short cut.
  TMessage plain{WM_KEYDOWN, 'O', 0, 0};
  frame->HandleMenuShortCut(plain);
  EXPECT_EQ(plain.result, 0);
  // No menu: nothing is handled.
  frame->SetMenu(nullptr);
  CtrlHeld ctrl;
  TMessage key{WM_KEYDOWN, 'O', 0, 0};
  frame->HandleMenuShortCut(key);
  EXPECT_EQ(key.result, 0);
  EXPECT_EQ(clicked.size(), 2u);
}

TEST(MenuBarDesign, AStoredFrameShowsItsStoredMenuOnTheBar) {
  TApplication app;
  RegisterFormClasses();
  RegisterSkinnedMenuClasses();
  auto* form = new TForm(&app);
  ReadDesign(*form,
             "object F: TForm\n"
             "  Caption = 'Stored'\n"
             "  object suiForm1: TsuiForm\n"
             "    UIStyle = WinXP\n"
             "    Menu = MainMenu1\n"
             "  end\n"
             "  object MainMenu1: TsuiMainMenu\n"
             "    object File1: TMenuItem\n"
             "      Caption = '&File'\n"
             "      Default = True\n"
             "      object Open1: TMenuItem\n"
             "        Caption = '&Open'\n"
             "        Default = True\n"
             "      end\n"
             "    end\n"
             "    object Help1: TMenuItem\n"
             "      Caption = '&Help'\n"
             "    end\n"
             "  end\n"
             "end\n",
             "stored");
  form->Show();
  Pump();
  auto* frame = dynamic_cast<TsuiForm*>(form->FindComponent("suiForm1"));
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(frame->MenuBar(), nullptr);
  ASSERT_EQ(frame->MenuBar()->ButtonCount(), 2);
  EXPECT_EQ(frame->MenuBar()->Buttons(0)->Caption(), "&File");
  EXPECT_EQ(frame->MenuBar()->Buttons(1)->Caption(), "&Help");
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);  // never the native menu bar
}

TEST_F(MenuBarTest, DesignTimeHintsForMainMenusDroppedOnTheForm) {
  Show();
  form->SetDesigning(true);
  // A plain main menu: the hint, and the frame keeps no menu.
  std::wstring hint;
  TTimer* closer = Driver([&] {
    HWND dialog = testing::ThreadWindowOfClass(L"#32770");
    if (!dialog) return;
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, 0xFFFF, text, 1024);
    hint = text;
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  form->SetName("Form1");
  frame->SetName("suiForm1");
  auto* plain = new TMainMenu(nullptr);
  form->InsertComponent(plain);
  closer->Free();
  EXPECT_EQ(hint,
            L"Strongly recommend you to use \"TsuiMainMenu\" instead of \"TMainMenu\".\r\n\r\n"
            L"If you still want to use TMainForm, \r\n\r\nset Form1's MENU property to NIL "
            L"please.\r\n\r\nAnd set suiForm1's MENU property to this Menu when you finished "
            L"designing the menu.");
  EXPECT_EQ(frame->Menu(), nullptr);
  // A skinned main menu of the form becomes the frame's menu.
  auto* skinned = new TsuiMainMenu(nullptr);
  form->InsertComponent(skinned);
  EXPECT_EQ(frame->Menu(), skinned);
  // Not while the form is used rather than designed.
  form->SetDesigning(false);
  frame->SetMenu(nullptr);
  auto* another = new TsuiMainMenu(nullptr);
  form->InsertComponent(another);
  EXPECT_EQ(frame->Menu(), nullptr);
}

}  // namespace
}  // namespace kestrova::skin
