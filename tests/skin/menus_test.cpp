#include "skin/menus.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "framework/form.h"
#include "framework/image_list.h"
#include "framework/main_menu.h"
#include "framework/popup_menu.h"
#include "framework/short_cut.h"
#include "framework/stored_design.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "tests/skin/skin_stand_ins.h"

namespace kestrova::skin {
namespace {

using namespace framework;
using S = TsuiUIStyle;

constexpr TColor kBackdrop = 0x123456;
constexpr int kWidth = 160;

// The colours and heights each style gives a menu, as the look is meant to be.
struct StyleLook {
  int item_height, separator_height;
  TColor separator, bar, color, font, selected_border, selected, selected_font;
};
const std::map<S, StyleLook> kLooks = {
    {S::MacOS, {20, 12, 0x000000, 0x000000, 0x000000, 0x000000, 0xC47339, 0xC47339, 0xFFFFFF}},
    {S::WinXP, {21, 5, 0x848284, 0xCED3D6, 0xFFFFFF, 0x000000, 0xC66931, 0xEFD3C6, 0x000000}},
    {S::DeepBlue, {21, 5, 0x848284, 0xCED3D6, 0xFFFFFF, 0x000000, 0xA04A44, 0xA04A44, 0xFFFFFF}},
    {S::Protein, {21, 5, 0x848284, 0xCED3D6, 0xFFFFFF, 0x000000, 0xC4302D, 0xC4302D, 0xFFFFFF}},
    {S::BlueGlass, {21, 5, 0x848284, 0xCED3D6, 0xE7E7E7, 0x000000, 0xEC5E5E, 0xEC5E5E, 0xFFFFFF}},
};

::testing::AssertionResult HasLook(const TsuiMenuLook& m, const StyleLook& l) {
  if (m.MenuItemHeight() != l.item_height || m.SeparatorHeight() != l.separator_height ||
      m.SeparatorColor() != l.separator || m.BarColor() != l.bar || m.BarToColor() != l.bar ||
      m.Color() != l.color || m.FontColor() != l.font ||
      m.SelectedBorderColor() != l.selected_border || m.SelectedColor() != l.selected ||
      m.SelectedFontColor() != l.selected_font || m.BarWidth() != 26)
    return ::testing::AssertionFailure() << "look differs";
  return ::testing::AssertionSuccess();
}

TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
  auto* item = new TMenuItem(parent->Owner());
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// The item as its menu draws it into a rectangle of the given size.
TBitmap Draw(TMenuItem& item, int height, TOwnerDrawState state = {}) {
  TBitmap out(kWidth, height);
  out.Canvas().Brush().SetColor(kBackdrop);
  out.Canvas().FillRect({0, 0, kWidth, height});
  item.AdvancedDrawItem(out.Canvas(), {0, 0, kWidth, height}, state, false);
  return out;
}

int Count(TBitmap& b, TColor color, RECT area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += b.Canvas().Pixel(x, y) == color;
  return n;
}

// Pixels in the area that are not the background colour.
int Ink(TBitmap& b, TColor background, RECT area) {
  int all = (area.right - area.left) * (area.bottom - area.top);
  return all - Count(b, background, area);
}

TBitmap Picture(const char* name) {
  TBitmap b;
  b.LoadFromResourceName(nullptr, name);
  return b;
}

// A form owning the menus and items of a test.
struct MenuBench {
  OwnedComponent<TForm> form{new TForm(nullptr)};
  TsuiPopupMenu* Popup(S style) {
    auto* m = new TsuiPopupMenu(form.get());
    m->SetUIStyle(style);
    return m;
  }
};

TEST(SkinnedMenuLook, StyleDefaultsOverwriteWhatWasSet) {
  MenuBench bench;
  for (const auto& [style, look] : kLooks) {
    TsuiPopupMenu* popup = bench.Popup(S::DeepBlue);
    popup->SetBarWidth(3);
    popup->SetColor(0x010203);
    popup->SetUIStyle(style);
    EXPECT_TRUE(HasLook(*popup, look)) << int(style);
    auto* main = new TsuiMainMenu(bench.form.get());
    main->SetUIStyle(style);
    EXPECT_TRUE(HasLook(*main, look)) << int(style);
  }
  // Without a ready theme FromThemeFile stays, with DeepBlue's look.
  TsuiPopupMenu* popup = bench.Popup(S::FromThemeFile);
  EXPECT_EQ(popup->UIStyle(), S::FromThemeFile);
  EXPECT_TRUE(HasLook(*popup, kLooks.at(S::DeepBlue)));
  // What no style changes.
  EXPECT_EQ(popup->BorderColor(), 0u);
  EXPECT_FALSE(popup->FlatMenu());
  EXPECT_EQ(popup->FontName(), "MS Sans Serif");
  EXPECT_EQ(popup->FontSize(), 8);
  EXPECT_EQ(popup->FontCharset(), 1);
  EXPECT_TRUE(popup->UseSystemFont());
}

TEST(SkinnedMenuLook, OwnerDrawHeightsImagesAndOwnerStyle) {
  MenuBench bench;
  TsuiPopupMenu* popup = bench.Popup(S::MacOS);
  auto* main = new TsuiMainMenu(bench.form.get());
  main->SetUIStyle(S::MacOS);
  for (TMenu* m : {static_cast<TMenu*>(popup), static_cast<TMenu*>(main)}) {
    EXPECT_TRUE(m->OwnerDraw());
    m->SetOwnerDraw(false);
    SetOrdProperty(*m, "OwnerDraw", 0);
    EXPECT_TRUE(m->OwnerDraw());
  }
  // MacOS: the popup keeps both heights, the main menu takes the item height.
  popup->SetMenuItemHeight(30);
  popup->SetSeparatorHeight(9);
  main->SetMenuItemHeight(30);
  main->SetSeparatorHeight(9);
  EXPECT_EQ(popup->MenuItemHeight(), 20);
  EXPECT_EQ(popup->SeparatorHeight(), 12);
  EXPECT_EQ(main->MenuItemHeight(), 30);
  EXPECT_EQ(main->SeparatorHeight(), 12);
  popup->SetUIStyle(S::WinXP);
  popup->SetMenuItemHeight(30);
  popup->SetSeparatorHeight(9);
  EXPECT_EQ(popup->MenuItemHeight(), 30);
  EXPECT_EQ(popup->SeparatorHeight(), 9);
  // The main menu's own check marks are not the caller's images.
  EXPECT_EQ(main->Images(), nullptr);
  auto* images = new TImageList(bench.form.get());
  main->SetImages(images);
  EXPECT_EQ(main->Images(), images);
  main->SetImages(nullptr);
  EXPECT_EQ(main->Images(), nullptr);
  // A new menu takes the owner form's skinned style; a main menu is never
  // the form's native menu.
  auto* frame = new testing::TsuiForm(bench.form.get());
  frame->SetParent(bench.form.get());
  frame->SetUIStyle(S::Protein);
  auto* plain = new TMainMenu(bench.form.get());
  bench.form->SetMenu(plain);
  auto* skinned = new TsuiMainMenu(bench.form.get());
  EXPECT_EQ(skinned->UIStyle(), S::Protein);
  EXPECT_EQ(bench.Popup(S::Protein)->UIStyle(), S::Protein);
  EXPECT_EQ(bench.form->Menu(), nullptr);
  OwnedComponent<TsuiPopupMenu> orphan(new TsuiPopupMenu(nullptr));
  EXPECT_EQ(orphan->UIStyle(), S::DeepBlue);
}

TEST(SkinnedMenuItems, AreMeasuredByHeightsAndTextWidths) {
  MenuBench bench;
  for (const auto& [style, look] : kLooks) {
    TsuiPopupMenu* popup = bench.Popup(style);
    TMenuItem* open = AddItem(popup->Items(), "&Open");
    open->SetShortCut(ShortCut('O', {TShiftFlag::ssCtrl}));
    TMenuItem* line = AddItem(popup->Items(), "-");
    TMenuItem* dashes = AddItem(popup->Items(), "--");
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    int w = 0, h = 0;
    open->MeasureItem(c, w, h);
    EXPECT_EQ(h, std::max(c.TextHeight("&Open"), look.item_height));
    EXPECT_EQ(w, c.TextWidth("&Open") + c.TextWidth("Ctrl+O") + 26 + 40);
    line->MeasureItem(c, w, h);
    EXPECT_EQ(h, look.separator_height);
    dashes->MeasureItem(c, w, h);
    EXPECT_EQ(h, std::max(c.TextHeight("--"), look.item_height));
  }
  // A taller font wins over the item height.
  TsuiPopupMenu* popup = bench.Popup(S::WinXP);
  TMenuItem* big = AddItem(popup->Items(), "Big");
  TBitmap b(10, 10);
  b.Canvas().Font().SetHeight(-40);
  int w = 0, h = 0;
  big->MeasureItem(b.Canvas(), w, h);
  EXPECT_GE(h, 40);
}

TEST(SkinnedMenuItems, BackgroundsAndSelectionInEachStyle) {
  MenuBench bench;
  for (const auto& [style, look] : kLooks) {
    TsuiPopupMenu* popup = bench.Popup(style);
    TMenuItem* item = AddItem(popup->Items(), "Item");
    TBitmap normal = Draw(*item, 21);
    TBitmap selected = Draw(*item, 21, {TOwnerDrawStateFlag::odSelected});
    if (style == S::MacOS) {
      // The pictures' top 20 rows stretched over the item.
      TBitmap bar = Picture("MACOS_MENU_BAR"), select = Picture("MACOS_MENU_SELECT");
      TBitmap expected_bar(kWidth, 21), expected_select(kWidth, 21);
      expected_bar.Canvas().CopyRect({0, 0, kWidth, 21}, bar.Canvas(), {0, 0, 1, 20});
      expected_select.Canvas().CopyRect({0, 0, kWidth, 21}, select.Canvas(), {0, 0, 1, 20});
      for (int y = 0; y < 21; ++y) {
        EXPECT_EQ(normal.Canvas().Pixel(kWidth - 3, y), expected_bar.Canvas().Pixel(0, y)) << y;
        EXPECT_EQ(selected.Canvas().Pixel(kWidth - 3, y), expected_select.Canvas().Pixel(0, y))
            << y;
      }
      EXPECT_GT(Count(selected, 0xFFFFFF, {30, 0, 80, 21}), 5);  // white caption
      continue;
    }
    EXPECT_EQ(normal.Canvas().Pixel(0, 10), look.bar) << int(style);
    EXPECT_EQ(normal.Canvas().Pixel(25, 10), look.bar);
    EXPECT_EQ(normal.Canvas().Pixel(26, 10), look.color);
    EXPECT_EQ(normal.Canvas().Pixel(kWidth - 1, 20), look.color);
    EXPECT_GT(Count(normal, look.font, {30, 0, 80, 21}), 5);
    EXPECT_EQ(selected.Canvas().Pixel(0, 0), look.selected_border);
    EXPECT_EQ(selected.Canvas().Pixel(kWidth - 1, 20), look.selected_border);
    EXPECT_EQ(selected.Canvas().Pixel(1, 1), look.selected);
    EXPECT_EQ(selected.Canvas().Pixel(kWidth - 3, 10), look.selected);
    if (look.selected_font != look.selected) {
      EXPECT_GT(Count(selected, look.selected_font, {30, 0, 80, 21}), 5);
    }
    // The caption starts after the bar.
    EXPECT_EQ(Count(normal, look.font, {0, 0, 30, 21}), 0);
  }
  // Two bar colours make a horizontal gradient.
  TsuiPopupMenu* popup = bench.Popup(S::DeepBlue);
  popup->SetBarColor(0x0000FF);
  popup->SetBarToColor(0xFF0000);
  TBitmap b = Draw(*AddItem(popup->Items(), "x"), 21);
  EXPECT_GT(GetRValue(b.Canvas().Pixel(0, 5)), 200);
  EXPECT_GT(GetBValue(b.Canvas().Pixel(25, 5)), 200);
  // No bar: the background reaches the leading edge.
  popup->SetBarWidth(0);
  TBitmap no_bar = Draw(*popup->Items()->Items(0), 21);
  EXPECT_EQ(no_bar.Canvas().Pixel(0, 10), popup->Color());
}

TEST(SkinnedMenuItems, DisabledAndDefaultCaptions) {
  MenuBench bench;
  TsuiPopupMenu* popup = bench.Popup(S::DeepBlue);
  TMenuItem* item = AddItem(popup->Items(), "Disabled");
  item->SetEnabled(false);
  TBitmap disabled = Draw(*item, 21);
  EXPECT_GT(Count(disabled, 0x808080, {30, 0, kWidth, 21}), 5);
  EXPECT_EQ(Count(disabled, 0x000000, {30, 0, kWidth, 21}), 0);
  // A disabled item shows no selection.
  TBitmap disabled_selected = Draw(*item, 21, {TOwnerDrawStateFlag::odSelected});
  EXPECT_EQ(disabled_selected.Canvas().Pixel(kWidth - 3, 10), 0xFFFFFFu);
  EXPECT_GT(Count(disabled_selected, 0x808080, {30, 0, kWidth, 21}), 5);
  // The default item is bold: more ink than the same caption plain.
  TMenuItem* plain = AddItem(popup->Items(), "Default");
  TMenuItem* bold = AddItem(popup->Items(), "Default");
  bold->SetDefault(true);
  TBitmap p = Draw(*plain, 21), d = Draw(*bold, 21);
  EXPECT_GT(Ink(d, 0xFFFFFF, {30, 0, kWidth, 21}), Ink(p, 0xFFFFFF, {30, 0, kWidth, 21}));
  // Without the system font the menu's own font is used.
  popup->SetUseSystemFont(false);
  popup->SetFontSize(20);
  TBitmap large = Draw(*plain, 40);
  EXPECT_GT(Ink(large, 0xFFFFFF, {30, 0, kWidth, 40}), 2 * Ink(p, 0xFFFFFF, {30, 0, kWidth, 21}));
}

// A pixel of the check mark that is not see-through, as x and y.
POINT MarkPixel(TBitmap& mark) {
  for (int y = 0; y < mark.Height(); ++y)
    for (int x = 0; x < mark.Width(); ++x)
      if (mark.Canvas().Pixel(x, y) != 0xFFFFFF) return {x, y};
  return {0, 0};
}
int MarkX(TBitmap& mark) { return int(MarkPixel(mark).x); }
int MarkY(TBitmap& mark) { return int(MarkPixel(mark).y); }

TEST(SkinnedMenuItems, CheckMarksAndImages) {
  MenuBench bench;
  TBitmap mark = Picture("MENU_CHECKED");
  auto* images = new TImageList(bench.form.get());
  TBitmap red(16, 16);
  red.Canvas().Brush().SetColor(0x0000FF);
  red.Canvas().FillRect({0, 0, 16, 16});
  images->Add(red);
  auto* main = new TsuiMainMenu(bench.form.get());
  main->SetUIStyle(S::WinXP);
  for (TMenu* menu : {static_cast<TMenu*>(bench.Popup(S::WinXP)), static_cast<TMenu*>(main)}) {
    auto& look = dynamic_cast<TsuiMenuLook&>(*menu);
    TMenuItem* checked = AddItem(menu->Items(), "Checked");
    checked->SetChecked(true);
    // No image: the check mark at (4, 3), its white left as the bar.
    TBitmap b = Draw(*checked, 21);
    int marked = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        TColor want = mark.Canvas().Pixel(x, y);
        TColor got = b.Canvas().Pixel(4 + x, 3 + y);
        if (want == 0xFFFFFF) {
          EXPECT_EQ(got, x + 4 < 26 ? look.BarColor() : look.Color());
        } else {
          EXPECT_EQ(got, want) << x << "," << y;
          ++marked;
        }
      }
    EXPECT_GT(marked, 10);
    // With an image: the image on a SelectedColor box framed in black.
    menu->SetImages(images);
    checked->SetImageIndex(0);
    b = Draw(*checked, 21);
    EXPECT_EQ(b.Canvas().Pixel(2, 1), 0x000000u);
    EXPECT_EQ(b.Canvas().Pixel(20, 20 - 1), 0x000000u);
    EXPECT_EQ(b.Canvas().Pixel(3, 2), look.SelectedColor());
    EXPECT_EQ(b.Canvas().Pixel(10, 10), 0x0000FFu);
    // An image index past the list: the check mark again.
    checked->SetImageIndex(5);
    b = Draw(*checked, 21);
    EXPECT_EQ(b.Canvas().Pixel(2, 1), look.BarColor());
    EXPECT_EQ(b.Canvas().Pixel(4 + MarkX(mark), 3 + MarkY(mark)),
              mark.Canvas().Pixel(MarkX(mark), MarkY(mark)));
    // Unchecked with an image: just the image.
    checked->SetChecked(false);
    checked->SetImageIndex(0);
    b = Draw(*checked, 21);
    EXPECT_EQ(b.Canvas().Pixel(2, 1), look.BarColor());
    EXPECT_EQ(b.Canvas().Pixel(10, 10), 0x0000FFu);
    menu->SetImages(nullptr);
  }
}

TEST(SkinnedMenuItems, Separators) {
  MenuBench bench;
  for (S style : {S::WinXP, S::BlueGlass}) {
    TsuiPopupMenu* popup = bench.Popup(style);
    TBitmap b = Draw(*AddItem(popup->Items(), "-"), 5);
    EXPECT_EQ(b.Canvas().Pixel(10, 2), popup->BarColor());
    EXPECT_EQ(b.Canvas().Pixel(29, 2), popup->Color());
    EXPECT_EQ(b.Canvas().Pixel(30, 2), 0x848284u);
    EXPECT_EQ(b.Canvas().Pixel(kWidth - 3, 2), 0x848284u);
    EXPECT_EQ(b.Canvas().Pixel(kWidth - 2, 2), popup->Color());
    EXPECT_EQ(b.Canvas().Pixel(60, 1), popup->Color());
    EXPECT_EQ(b.Canvas().Pixel(60, 3), popup->Color());
  }
  TsuiPopupMenu* mac = bench.Popup(S::MacOS);
  TBitmap b = Draw(*AddItem(mac->Items(), "-"), 12);
  TBitmap bar = Picture("MACOS_MENU_BAR");
  for (int y = 0; y < 12; ++y) EXPECT_EQ(b.Canvas().Pixel(50, y), bar.Canvas().Pixel(0, y)) << y;
}

// A popup that reads right to left whatever the system's locale.
class TRightToLeftPopup : public TsuiPopupMenu {
 public:
  using TsuiPopupMenu::TsuiPopupMenu;

 protected:
  bool RightToLeft() const override { return true; }
};

TEST(SkinnedMenuItems, RightToLeftMirrorsBarGlyphsAndSeparator) {
  MenuBench bench;
  auto* popup = new TRightToLeftPopup(bench.form.get());
  popup->SetUIStyle(S::WinXP);
  TMenuItem* item = AddItem(popup->Items(), "Item");
  item->SetChecked(true);
  TBitmap b = Draw(*item, 21);
  EXPECT_EQ(b.Canvas().Pixel(kWidth - 1, 1), popup->BarColor());
  EXPECT_EQ(b.Canvas().Pixel(kWidth - 26, 1), popup->BarColor());
  EXPECT_EQ(b.Canvas().Pixel(kWidth - 27, 1), popup->Color());
  EXPECT_EQ(b.Canvas().Pixel(0, 1), popup->Color());
  // The check mark at the right edge, less 20.
  TBitmap mark = Picture("MENU_CHECKED");
  int same = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (mark.Canvas().Pixel(x, y) != 0xFFFFFF)
        same += b.Canvas().Pixel(kWidth - 20 + x, 3 + y) == mark.Canvas().Pixel(x, y);
  EXPECT_GT(same, 10);
  TBitmap line = Draw(*AddItem(popup->Items(), "-"), 5);
  EXPECT_EQ(line.Canvas().Pixel(1, 2), popup->Color());
  EXPECT_EQ(line.Canvas().Pixel(2, 2), 0x848284u);
  EXPECT_EQ(line.Canvas().Pixel(kWidth - 31, 2), 0x848284u);
  EXPECT_EQ(line.Canvas().Pixel(kWidth - 30, 2), popup->Color());
}

// A skin with the menu colours.
class MenuSkin : public SkinLookup {
 public:
  const TBitmap* GetBitmap(std::string_view) const override { return nullptr; }
  int32_t GetInteger(std::string_view name) const override {
    static const std::map<std::string_view, int32_t> kColors = {
        {"SKIN2_LEFTBARSTARTCOLOR", 0x000011},    {"SKIN2_LEFTBARENDCOLOR", 0x000022},
        {"SKIN2_MENUITEMCOLOR", 0x000033},        {"SKIN2_MENUITEMFONTCOLOR", 0x000044},
        {"SKIN2_SELECTEDMENUCOLOR", 0x000055},    {"SKIN2_SELECTEDMENUBORDERCOLOR", 0x000066},
        {"SKIN2_SELECTEDMENUFONTCOLOR", 0x000077}};
    auto it = kColors.find(name);
    return it == kColors.end() ? -1 : it->second;
  }
  bool GetBool(std::string_view) const override { return false; }
};

TEST(SkinnedMenuLook, FileThemeColoursAndTheThemeGoing) {
  MenuBench bench;
  auto* theme = new testing::TTestFileTheme(bench.form.get());
  TsuiPopupMenu* popup = bench.Popup(S::MacOS);
  auto* main = new TsuiMainMenu(bench.form.get());
  for (TsuiMenuLook* look : {static_cast<TsuiMenuLook*>(popup), static_cast<TsuiMenuLook*>(main)}) {
    look->SetUIStyle(S::FromThemeFile);
    look->SetFileTheme(theme);  // not ready: DeepBlue's look
    EXPECT_TRUE(HasLook(*look, kLooks.at(S::DeepBlue)));
  }
  theme->SetSkin(std::make_unique<MenuSkin>());
  for (TsuiMenuLook* look : {static_cast<TsuiMenuLook*>(popup), static_cast<TsuiMenuLook*>(main)}) {
    look->SetFileTheme(theme);
    EXPECT_EQ(look->BarColor(), 0x000011u);
    EXPECT_EQ(look->BarToColor(), 0x000022u);
    EXPECT_EQ(look->Color(), 0x000033u);
    EXPECT_EQ(look->FontColor(), 0x000044u);
    EXPECT_EQ(look->SelectedColor(), 0x000055u);
    EXPECT_EQ(look->SelectedBorderColor(), 0x000066u);
    EXPECT_EQ(look->SelectedFontColor(), 0x000077u);
    EXPECT_EQ(look->MenuItemHeight(), 21);
    EXPECT_EQ(look->SeparatorHeight(), 5);
    EXPECT_EQ(look->SeparatorColor(), 0x848284u);
  }
  // A theme item is drawn in the theme's colours, the selection too.
  TMenuItem* item = AddItem(popup->Items(), "Item");
  TBitmap b = Draw(*item, 21, {TOwnerDrawStateFlag::odSelected});
  EXPECT_EQ(b.Canvas().Pixel(0, 0), 0x000066u);
  EXPECT_EQ(b.Canvas().Pixel(5, 5), 0x000055u);
  // The theme going leaves every menu in DeepBlue.
  theme->Free();
  for (TsuiMenuLook* look : {static_cast<TsuiMenuLook*>(popup), static_cast<TsuiMenuLook*>(main)}) {
    EXPECT_EQ(look->FileTheme(), nullptr);
    EXPECT_EQ(look->UIStyle(), S::DeepBlue);
    EXPECT_TRUE(HasLook(*look, kLooks.at(S::DeepBlue)));
  }
}

TEST(SkinnedMenuItems, ItemsAreDrawnByTheMenuTheyAreIn) {
  MenuBench bench;
  TsuiPopupMenu* xp = bench.Popup(S::WinXP);
  TsuiPopupMenu* glass = bench.Popup(S::BlueGlass);
  // Owned by the form, so they outlive the menus.
  auto* item = new TMenuItem(bench.form.get());
  item->SetCaption("Moved");
  xp->Items()->Add(item);
  auto* child = new TMenuItem(bench.form.get());
  child->SetCaption("Child");
  item->Add(child);  // hooked with its parent
  EXPECT_EQ(Draw(*child, 21).Canvas().Pixel(kWidth - 1, 10), 0xFFFFFFu);
  xp->Items()->Remove(item);
  glass->Items()->Add(item);
  EXPECT_EQ(Draw(*child, 21).Canvas().Pixel(kWidth - 1, 10), 0xE7E7E7u);
  // In a plain menu, or after the skinned menu went, the item still draws.
  auto* plain = new TPopupMenu(bench.form.get());
  glass->Items()->Remove(item);
  plain->Items()->Add(item);
  glass->Free();
  xp->Free();
  TBitmap b = Draw(*child, 21);
  EXPECT_EQ(b.Canvas().Pixel(0, 10), 0xCED3D6u);
}

TEST(SkinnedMenuLook, StoredDesignsSetTheStyleBeforeTheColoursAndHookTheItems) {
  RegisterSkinnedMenuClasses();
  OwnedComponent<TForm> form(new TForm(nullptr));
  ReadDesign(*form,
             "object F: TForm\n"
             "  object PopupMenu1: TsuiPopupMenu\n"
             "    UIStyle = WinXP\n"
             "    BarWidth = 10\n"
             "    Color = clRed\n"
             "    FlatMenu = True\n"
             "    FontName = 'Arial'\n"
             "    UseSystemFont = False\n"
             "    OwnerDraw = False\n"
             "    object Open1: TMenuItem\n"
             "      Caption = '&Open'\n"
             "    end\n"
             "  end\n"
             "  object MainMenu1: TsuiMainMenu\n"
             "    UIStyle = MacOS\n"
             "    SeparatorHeight = 3\n"
             "    object File1: TMenuItem\n"
             "      Caption = '&File'\n"
             "    end\n"
             "  end\n"
             "end\n",
             "menus");
  auto* popup = dynamic_cast<TsuiPopupMenu*>(form->FindComponent("PopupMenu1"));
  auto* main = dynamic_cast<TsuiMainMenu*>(form->FindComponent("MainMenu1"));
  ASSERT_NE(popup, nullptr);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(popup->UIStyle(), S::WinXP);
  EXPECT_EQ(popup->BarWidth(), 10);
  EXPECT_EQ(popup->Color(), 0x0000FFu);
  EXPECT_EQ(popup->SelectedColor(), 0xEFD3C6u);
  EXPECT_TRUE(popup->FlatMenu());
  EXPECT_EQ(popup->FontName(), "Arial");
  EXPECT_FALSE(popup->UseSystemFont());
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_EQ(main->UIStyle(), S::MacOS);
  EXPECT_EQ(main->SeparatorHeight(), 12);
  // The items read from the design are measured by their menu.
  auto* open = dynamic_cast<TMenuItem*>(form->FindComponent("Open1"));
  ASSERT_NE(open, nullptr);
  TBitmap b(10, 10);
  int w = 0, h = 0;
  open->MeasureItem(b.Canvas(), w, h);
  EXPECT_EQ(w, b.Canvas().TextWidth("&Open") + 10 + 40);
  EXPECT_EQ(h, std::max(b.Canvas().TextHeight("&Open"), 21));
}

}  // namespace
}  // namespace kestrova::skin
