// The title bar's items: section and button rules, the style pictures of
// each role, and the window menu's items.
#include <gtest/gtest.h>

#include "framework/menu_item.h"
#include "framework/stored_design.h"
#include "skin/drawing.h"
#include "tests/skin/titlebar_bench.h"

namespace kestrova::skin {
namespace {

using namespace titlebar_testing;
using framework::TWindowState;
using Align = TsuiTitleBarAlign;
using Type = TsuiTitleBarBtnType;

TEST(TitleBarSections, OnlyOneClientSectionAndItIsAlwaysStretched) {
  Bench bench(TsuiUIStyle::MacOS);
  TsuiTitleBarSections& sections = bench.bar->Sections();
  ASSERT_EQ(sections.Count(), 3);
  TsuiTitleBarSection* client = sections.Items(2);
  EXPECT_EQ(client->Align(), Align::suiClient);
  EXPECT_TRUE(client->Stretch());
  client->SetStretch(false);
  EXPECT_TRUE(client->Stretch());

  MessageBoxWatcher boxes;
  sections.Items(0)->SetAlign(Align::suiClient);  // a second client section
  EXPECT_EQ(sections.Items(0)->Align(), Align::suiLeft);
  client->SetAlign(Align::suiClient);  // again on the one that has it
  EXPECT_EQ(boxes.Count(), 2);
  EXPECT_EQ(boxes.LastText(), "Sorry, only one section's Align property can be \"suiClient\"");

  // Giving the role up frees it for another section, which is then stretched.
  client->SetAlign(Align::suiLeft);
  sections.Items(0)->SetAlign(Align::suiClient);
  EXPECT_EQ(sections.Items(0)->Align(), Align::suiClient);
  EXPECT_TRUE(sections.Items(0)->Stretch());
  EXPECT_EQ(boxes.Count(), 2);
}

TEST(TitleBarSections, WidthFollowsThePictureOnlyWithAutoSize) {
  Bench bench(TsuiUIStyle::MacOS);
  TsuiTitleBarSection* s = bench.bar->Sections().Add();
  EXPECT_EQ(s->Width(), 10);
  s->SetPicture(Filled(30, 23, 0x123456));
  EXPECT_EQ(s->Width(), 10);
  s->SetAutoSize(true);
  EXPECT_EQ(s->Width(), 30);
  s->SetPicture(Filled(44, 23, 0x123456));
  EXPECT_EQ(s->Width(), 44);

  // A copy takes width, placement, picture and flags.
  TsuiTitleBarSection* copy = bench.bar->Sections().Add();
  s->SetCapSec(true);
  copy->Assign(*s);
  EXPECT_EQ(copy->Width(), 44);
  EXPECT_EQ(copy->Picture().Width(), 44);
  EXPECT_TRUE(copy->AutoSize());
  EXPECT_TRUE(copy->CapSec());
}

TEST(TitleBarButtons, NewButtonsAndTheControlBoxRule) {
  Bench bench(TsuiUIStyle::MacOS);
  TsuiTitleBarButtons& buttons = bench.bar->Buttons();
  ASSERT_EQ(buttons.Count(), 4);
  EXPECT_EQ(buttons.Items(0)->ButtonType(), Type::suiControlBox);
  EXPECT_EQ(buttons.Items(1)->ButtonType(), Type::suiClose);
  EXPECT_EQ(buttons.Items(2)->ButtonType(), Type::suiMax);
  EXPECT_EQ(buttons.Items(3)->ButtonType(), Type::suiMin);

  TsuiTitleBarButton* added = buttons.Add();
  EXPECT_TRUE(added->Visible());
  EXPECT_EQ(added->ButtonType(), Type::suiCustom);
  EXPECT_EQ(added->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_FALSE(added->HasPictures());

  MessageBoxWatcher boxes;
  added->SetButtonType(Type::suiControlBox);
  EXPECT_EQ(added->ButtonType(), Type::suiCustom);
  buttons.Items(0)->SetButtonType(Type::suiControlBox);
  EXPECT_EQ(boxes.Count(), 2);
  EXPECT_EQ(boxes.LastText(),
            "Sorry, only one button's ButtonType property can be \"suiControlBox\"");
}

TEST(TitleBarButtons, EachRoleTakesItsThreeFramesOfTheStyleStrip) {
  for (TsuiUIStyle style : kBuiltInStyles) {
    SCOPED_TRACE(StyleName(style));
    Bench bench(style);
    for (auto [type, first] : {std::pair{Type::suiClose, 16},
                               {Type::suiMax, 7},
                               {Type::suiMin, 13},
                               {Type::suiControlBox, 1}}) {
      TsuiTitleBarButton& b = bench.Button(type);
      TBitmap normal = Picture(style, entry::kTitleButtons, 18, first);
      TBitmap on = Picture(style, entry::kTitleButtons, 18, first + 1);
      TBitmap down = Picture(style, entry::kTitleButtons, 18, first + 2);
      EXPECT_TRUE(Shows(b.PicNormal().Bitmap(), normal, 0, 0)) << first;
      EXPECT_TRUE(Shows(b.PicMouseOn().Bitmap(), on, 0, 0)) << first;
      EXPECT_TRUE(Shows(b.PicMouseDown().Bitmap(), down, 0, 0)) << first;
      EXPECT_EQ(b.Top(), GetBuiltInInteger(style, entry::kTitleButtonTop));
      EXPECT_EQ(b.Transparent(), style == TsuiUIStyle::Protein || style == TsuiUIStyle::BlueGlass);
    }
  }
  // A help button added later takes frames 4-6; a custom one keeps its pictures.
  Bench bench(TsuiUIStyle::WinXP);
  TsuiTitleBarButton* help = bench.bar->Buttons().Add();
  help->SetUIStyle(TsuiUIStyle::WinXP);
  help->SetButtonType(Type::suiHelp);
  TBitmap frame4 = Picture(TsuiUIStyle::WinXP, entry::kTitleButtons, 18, 4);
  EXPECT_TRUE(Shows(help->PicNormal().Bitmap(), frame4, 0, 0));
  help->SetButtonType(Type::suiCustom);
  help->SetUIStyle(TsuiUIStyle::MacOS);
  EXPECT_EQ(help->PicNormal().Width(), 21);  // still the WinXP frame
}

TEST(TitleBarButtons, MaximizeShowsRestoreFramesWhileTheFormIsMaximized) {
  Bench bench(TsuiUIStyle::MacOS);
  TsuiTitleBarButton& max = bench.Button(Type::suiMax);
  TBitmap maximize = Picture(TsuiUIStyle::MacOS, entry::kTitleButtons, 18, 7);
  TBitmap restore = Picture(TsuiUIStyle::MacOS, entry::kTitleButtons, 18, 10);
  TBitmap restore_down = Picture(TsuiUIStyle::MacOS, entry::kTitleButtons, 18, 12);

  max.PerformAction();
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsMaximized);
  EXPECT_TRUE(Shows(max.PicNormal().Bitmap(), restore, 0, 0));
  EXPECT_TRUE(Shows(max.PicMouseDown().Bitmap(), restore_down, 0, 0));
  // On a plain form the maximized window covers the work area and a little more.
  RECT a = GetWorkArea();
  EXPECT_EQ(bench.form->Left(), a.left - 2);
  EXPECT_EQ(bench.form->Top(), a.top - 2);
  EXPECT_EQ(bench.form->Width(), a.right - a.left + 4);
  EXPECT_EQ(bench.form->Height(), a.bottom - a.top + 1);

  max.PerformAction();
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsNormal);
  EXPECT_TRUE(Shows(max.PicNormal().Bitmap(), maximize, 0, 0));

  // A state change from elsewhere is picked up by UpdateMaximizeButtons.
  bench.form->SetWindowState(TWindowState::wsMaximized);
  bench.bar->UpdateMaximizeButtons();
  EXPECT_TRUE(Shows(max.PicNormal().Bitmap(), restore, 0, 0));
  bench.form->SetWindowState(TWindowState::wsNormal);
  bench.bar->UpdateMaximizeButtons();

  // A custom bar leaves its pictures alone.
  bench.bar->SetCustom(true);
  bench.form->SetWindowState(TWindowState::wsMaximized);
  bench.bar->UpdateMaximizeButtons();
  EXPECT_TRUE(Shows(max.PicNormal().Bitmap(), maximize, 0, 0));
}

TEST(TitleBarDesign, ItemsAreReadByTheirPublishedNames) {
  Bench bench(TsuiUIStyle::DeepBlue);
  framework::ReadDesign(*bench.bar,
                        "object Bar: TsuiTitleBar\n"
                        "  UIStyle = MacOS\n"
                        "  Sections = <\n"
                        "    item\n"
                        "      Width = 48\n"
                        "      Align = suiRight\n"
                        "    end\n"
                        "    item\n"
                        "      Align = suiClient\n"
                        "      CapSec = True\n"
                        "    end>\n"
                        "  Buttons = <\n"
                        "    item\n"
                        "      ButtonType = suiClose\n"
                        "      UIStyle = MacOS\n"
                        "    end>\n"
                        "  ButtonInterval = 3\n"
                        "  DrawAppIcon = False\n"
                        "  InactiveCaptionColor = 255\n"
                        "end\n");
  TsuiTitleBar& bar = *bench.bar;
  ASSERT_EQ(bar.Sections().Count(), 2);
  EXPECT_EQ(bar.Sections().Items(0)->Width(), 48);
  EXPECT_EQ(bar.Sections().Items(0)->Align(), Align::suiRight);
  EXPECT_TRUE(bar.Sections().Items(1)->Stretch());
  EXPECT_TRUE(bar.Sections().Items(1)->CapSec());
  ASSERT_EQ(bar.Buttons().Count(), 1);
  TsuiTitleBarButton& close = *bar.Buttons().Items(0);
  EXPECT_EQ(close.ButtonType(), Type::suiClose);
  TBitmap frame = Picture(TsuiUIStyle::MacOS, entry::kTitleButtons, 18, 16);
  EXPECT_TRUE(Shows(close.PicNormal().Bitmap(), frame, 0, 0));
  EXPECT_EQ(bar.ButtonInterval(), 3);
  EXPECT_FALSE(bar.DrawAppIcon());
  EXPECT_EQ(bar.InactiveCaptionColor(), 255u);
}

TEST(TitleBarMenu, ItemsCaptionsAndEnabledStateByTheVisibleButtons) {
  Bench bench(TsuiUIStyle::MacOS);
  TsuiTitleBarPopupMenu& menu = bench.bar->SystemMenu();
  framework::TMenuItem* items = menu.Items();
  ASSERT_EQ(items->Count(), 4);
  EXPECT_EQ(items->Items(0)->Caption(), "最小化(&N)");
  EXPECT_EQ(items->Items(1)->Caption(), "最大化/还原(&X)");
  EXPECT_TRUE(items->Items(2)->IsLine());
  EXPECT_EQ(items->Items(3)->Caption(), "关闭(&C)");
  EXPECT_EQ(menu.AutoHotkeys(), framework::TMenuAutoFlag::maManual);

  auto enabled = [&] {
    menu.UpdateItems();
    return std::string{items->Items(0)->Enabled() ? '1' : '0',
                       items->Items(1)->Enabled() ? '1' : '0',
                       items->Items(3)->Enabled() ? '1' : '0'};
  };
  EXPECT_EQ(enabled(), "111");  // normal window
  items->Items(1)->Click();     // maximize
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsMaximized);
  EXPECT_EQ(enabled(), "111");  // the one item restores as well
  items->Items(1)->Click();
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsNormal);
  items->Items(0)->Click();  // minimize
  EXPECT_EQ(bench.form->WindowState(), TWindowState::wsMinimized);
  EXPECT_EQ(enabled(), "111");
  bench.form->SetWindowState(TWindowState::wsNormal);

  bench.Button(Type::suiMin).SetVisible(false);
  bench.Button(Type::suiMax).SetVisible(false);
  EXPECT_EQ(enabled(), "001");  // only a close button
  bench.Button(Type::suiClose).SetVisible(false);
  EXPECT_EQ(enabled(), "000");

  // Popup enables the items itself before the menu shows.
  bench.bar->Buttons().Items(1)->SetVisible(true);
  std::string shown;
  menu.OnPopup = [&](framework::TComponent*) {
    shown =
        std::string{items->Items(0)->Enabled() ? '1' : '0', items->Items(3)->Enabled() ? '1' : '0'};
  };
  items->Items(0)->SetEnabled(true);
  CloseMenuSoon();
  menu.Popup(100, 100);
  EXPECT_EQ(shown, "01");

  items->Items(3)->Click();  // close
  EXPECT_FALSE(bench.form->Visible());
}

}  // namespace
}  // namespace kestrova::skin
