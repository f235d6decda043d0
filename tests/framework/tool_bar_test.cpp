#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/main_menu.h"
#include "framework/popup_menu.h"
#include "framework/tool_bar.h"
#include "framework_test_support.h"
#include "tests/testing/menu_items.h"

namespace kestrova::framework {
namespace {

// A bar that hears of the drop-down menus it makes (as a menu bar does) and
// lets the test drive each one when it pops up.
class DrivenBar : public TToolBar {
 public:
  using TToolBar::TToolBar;
  std::function<void(TPopupMenu&)> on_drop_down;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TToolBar::Notification(component, operation);
    auto* popup = dynamic_cast<TPopupMenu*>(component);
    if (operation == TOperation::opInsert && popup && popup->Owner() == this)
      popup->OnPopup = [this, popup](TComponent*) { on_drop_down(*popup); };
  }
};

class ToolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(60, 60, 300, 200);
    bar = new DrivenBar(form);
    bar->SetParent(form);
    bar->SetFlat(true);
    bar->SetShowCaptions(true);
    bar->SetEdgeBorders({});
    menu = new TMainMenu(form);
    for (const char* caption : {"&File", "&Edit", "&Help"}) {
      TMenuItem* top = Item(menu->Items(), caption);
      Item(top, std::string(caption + 1) + " one");
      Item(top, std::string(caption + 1) + " two");
    }
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }
  TMenuItem* Item(TMenuItem* parent, const std::string& caption) {
    return kestrova::testing::AddMenuItem(form, parent, caption, clicked);
  }
  // One button per top-level item, made from the last item to the first.
  void BindButtons() {
    for (int i = menu->Items()->Count() - 1; i >= 0; --i) {
      auto* b = new TToolButton(form);
      b->SetParent(bar);
      b->SetGrouped(true);
      b->SetMenuItem(menu->Items()->Items(i));
      b->SetAutoSize(true);
    }
  }
  void Post(UINT key) { PostMessageW(form->Handle(), WM_KEYDOWN, key, 0); }

  TApplication app;
  std::vector<std::string> errors, clicked;
  TForm* form = nullptr;
  DrivenBar* bar = nullptr;
  TMainMenu* menu = nullptr;
};

TEST_F(ToolBarTest, ButtonsMadeLastToFirstStandInMenuOrderAndWrap) {
  BindButtons();
  form->Show();
  ASSERT_EQ(bar->ButtonCount(), 3);
  EXPECT_EQ(bar->Buttons(0)->Caption(), "&File");
  EXPECT_EQ(bar->Buttons(2)->Caption(), "&Help");
  EXPECT_EQ(bar->Top(), 0);
  EXPECT_EQ(bar->Width(), form->ClientWidth());
  int x = 0;
  for (int i = 0; i < 3; ++i) {
    TToolButton* b = bar->Buttons(i);
    EXPECT_EQ(b->Left(), x);
    EXPECT_EQ(b->Height(), 22);
    EXPECT_LT(b->Width(), 60);  // as wide as the caption
    EXPECT_GT(b->Width(), 20);
    x += b->Width();
  }
  // Too narrow for one row: the bar wraps and grows to two rows.
  bar->SetAutoSize(true);
  bar->SetAlign(TAlign::alNone);
  bar->SetWidth(bar->Buttons(0)->Width() + bar->Buttons(1)->Width() + 4);
  EXPECT_EQ(bar->Buttons(2)->Left(), 0);
  EXPECT_EQ(bar->Buttons(2)->Top(), 22);
  EXPECT_EQ(bar->Height(), 44);
  // One button's height is every button's.
  bar->Buttons(0)->SetHeight(30);
  EXPECT_EQ(bar->ButtonHeight(), 30);
  EXPECT_EQ(bar->Buttons(2)->Height(), 30);
}

TEST_F(ToolBarTest, CustomDrawSeesTheHotButtonAndMayTakeItsDrawingOver) {
  BindButtons();
  menu->Items()->Items(1)->SetEnabled(false);
  bar->Buttons(1)->SetEnabled(false);
  std::vector<std::pair<std::string, TCustomDrawState>> drawn;
  bool background = false;
  bar->OnCustomDraw = [&](TToolBar*, const RECT& r, bool&) {
    background = r.right == bar->Width();
  };
  bar->OnCustomDrawButton = [&](TToolBar* b, TToolButton* button, TCustomDrawState state,
                                bool& default_draw) {
    drawn.emplace_back(button->Caption(), state);
    default_draw = false;
    b->Canvas().Brush().SetColor(state.Contains(TCustomDrawStateFlag::cdsHot) ? clRed : clBlue);
    b->Canvas().FillRect(button->BoundsRect());
  };
  form->Show();
  TToolButton* file = bar->Buttons(0);
  SendMessageW(bar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(file->Left() + 3, file->Top() + 3));
  EXPECT_EQ(bar->HotButton(), file);
  drawn.clear();
  TBitmap picture(bar->Width(), bar->Height());
  bar->PaintTo(picture);
  EXPECT_TRUE(background);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_TRUE(drawn[0].second.Contains(TCustomDrawStateFlag::cdsHot));
  EXPECT_FALSE(drawn[2].second.Contains(TCustomDrawStateFlag::cdsHot));
  EXPECT_TRUE(drawn[1].second.Contains(TCustomDrawStateFlag::cdsDisabled));
  EXPECT_EQ(picture.Canvas().Pixel(file->Left() + 2, 2), clRed);
  EXPECT_EQ(picture.Canvas().Pixel(bar->Buttons(2)->Left() + 2, 2), clBlue);
}

TEST_F(ToolBarTest, ADropDownOpensTheSubmenuAndTheRightArrowMovesToTheNextButton) {
  BindButtons();
  form->Show();
  std::vector<std::string> opened;
  std::vector<bool> selected;
  bar->on_drop_down = [&](TPopupMenu& popup) {
    opened.push_back(popup.SourceItem()->Caption());
    selected.push_back(
        bar->MenuButton() &&
        bar->ButtonState(*bar->MenuButton()).Contains(TCustomDrawStateFlag::cdsSelected));
    if (opened.size() == 1) {
      Post(VK_RIGHT);
    } else if (opened.size() == 2) {
      Post(VK_DOWN);
      Post(VK_DOWN);
      Post(VK_RETURN);
    } else {
      Post(VK_ESCAPE);
    }
  };
  TToolButton* file = bar->Buttons(0);
  SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(file->Left() + 3, file->Top() + 3));
  EXPECT_EQ(opened, (std::vector<std::string>{"&File", "&Edit"}));
  EXPECT_EQ(selected, (std::vector<bool>{true, true}));
  EXPECT_EQ(clicked, (std::vector<std::string>{"Edit two"}));
  EXPECT_EQ(bar->MenuButton(), nullptr);
  // The drop-down menus were the bar's and are gone.
  for (TComponent* c : bar->Components()) EXPECT_EQ(dynamic_cast<TPopupMenu*>(c), nullptr);

  // Left from the first button wraps to the last; an accelerator opens one.
  opened.clear();
  bar->on_drop_down = [&](TPopupMenu& popup) {
    opened.push_back(popup.SourceItem()->Caption());
    Post(opened.size() == 1 ? VK_LEFT : VK_ESCAPE);
  };
  EXPECT_EQ(bar->Perform(CM_DIALOGCHAR, 'f', 0), 1);
  EXPECT_EQ(opened, (std::vector<std::string>{"&File", "&Help"}));
  EXPECT_EQ(bar->Perform(CM_DIALOGCHAR, 'x', 0), 0);
}

}  // namespace
}  // namespace kestrova::framework
