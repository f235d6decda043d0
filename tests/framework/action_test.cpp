#include <gtest/gtest.h>

#include "framework/action.h"
#include "framework/action_list.h"
#include "framework/bitmap.h"
#include "framework/form.h"
#include "framework/image_list.h"
#include "framework/menu_item.h"
#include "framework/tool_bar.h"

namespace kestrova::framework {
namespace {

class ActionTest : public ::testing::Test {
 protected:
  OwnedComponent<TComponent> root{new TComponent(nullptr)};
  TActionList* list = new TActionList(root.get());
  TAction* action = new TAction(root.get());
  TMenuItem* item = new TMenuItem(root.get());
};

TEST_F(ActionTest, LinkedItemsFollowTheActionAndExecuteIt) {
  action->SetCaption("&Save");
  action->SetShortCut(ShortCut('S', {TShiftFlag::ssCtrl}));
  item->SetAction(action);
  EXPECT_EQ(item->Caption(), "&Save");
  EXPECT_EQ(item->ShortCut(), action->ShortCut());
  int executed = 0;
  action->OnExecute = [&](TComponent*) { ++executed; };
  item->Click();
  EXPECT_EQ(executed, 1);
  action->SetEnabled(false);
  action->SetChecked(true);
  EXPECT_FALSE(item->Enabled());
  EXPECT_TRUE(item->Checked());
  item->Click();
  EXPECT_EQ(executed, 1);
  // A second client follows too; unlinking stops the updates.
  auto* other = new TMenuItem(root.get());
  other->SetAction(action);
  item->SetAction(nullptr);
  action->SetCaption("Save &as");
  EXPECT_EQ(other->Caption(), "Save &as");
  EXPECT_EQ(item->Caption(), "&Save");
  // The action goes: its clients forget it.
  action->Free();
  EXPECT_EQ(other->Action(), nullptr);
  other->Click();
}

TEST_F(ActionTest, TheListSeesEachExecuteFirstAndLendsItsImages) {
  action->SetActionList(list);
  EXPECT_EQ(list->ActionCount(), 1);
  int own = 0, listed = 0;
  action->OnExecute = [&](TComponent*) { ++own; };
  list->OnExecute = [&](TCustomAction* a, bool& handled) {
    ++listed;
    handled = a->Tag() == 1;
  };
  EXPECT_TRUE(action->Execute());
  action->SetTag(1);
  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(own, 1);
  EXPECT_EQ(listed, 2);
  // The image of an action, as a button takes it for its glyph.
  auto* images = new TImageList(root.get());
  TBitmap strip(32, 16);
  strip.Canvas().Brush().SetColor(clRed);
  strip.Canvas().FillRect({16, 0, 32, 16});
  images->Add(strip);
  list->SetImages(images);
  action->SetImageIndex(1);
  TBitmap glyph;
  ASSERT_TRUE(action->ActionList()->Images()->GetBitmap(action->ImageIndex(), glyph));
  EXPECT_EQ(glyph.Canvas().Pixel(4, 4), clRed);
  images->Free();
  EXPECT_EQ(list->Images(), nullptr);
  list->Free();
  EXPECT_EQ(action->ActionList(), nullptr);
}

TEST_F(ActionTest, LinkedControlsTakeTheActionsStateAndRunItWhenClicked) {
  OwnedComponent<TForm> form(new TForm(nullptr));
  auto* bar = new TToolBar(form.get());
  bar->SetParent(form.get());
  bar->SetShowCaptions(true);
  auto* button = new TToolButton(form.get());
  button->SetParent(bar);
  action->SetCaption("&Print");
  action->SetHint("Prints the page");
  button->SetAction(action);
  EXPECT_EQ(button->Caption(), "&Print");
  EXPECT_EQ(button->Hint(), "Prints the page");
  int executed = 0;
  action->OnExecute = [&](TComponent*) { ++executed; };
  button->Click();
  EXPECT_EQ(executed, 1);
  action->SetVisible(false);
  action->SetEnabled(false);
  EXPECT_FALSE(button->Visible());
  EXPECT_FALSE(button->Enabled());
  // An OnClick of its own goes before the action.
  int own = 0;
  button->OnClick = [&](TComponent*) { ++own; };
  button->Click();
  EXPECT_EQ(own, 1);
  EXPECT_EQ(executed, 1);
  action->Free();
  EXPECT_EQ(button->Action(), nullptr);
}

}  // namespace
}  // namespace kestrova::framework
