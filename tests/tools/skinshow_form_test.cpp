// The skin show's form in-process: the View menu restyles every skinned
// component at once, and a skin file puts them all on the file theme.
#include <gtest/gtest.h>

#include <string>

#include "framework/properties.h"
#include "tools/skinshow/skin_show_form.h"

namespace kestrova::skinshow {
namespace {

using framework::OwnedComponent;
using framework::TComponent;
using framework::TMenuItem;
using skin::TsuiUIStyle;

const std::string kSamples = KESTROVA_SOURCE_DIR "/tests/data/skins/";

// Every owned component that publishes UIStyle has `style`; returns how many.
int CountStyled(const TFrmSkinShow& form, TsuiUIStyle style) {
  int n = 0;
  for (TComponent* c : form.Components()) {
    if (!framework::HasPublishedProperty(*c, "UIStyle")) continue;
    EXPECT_EQ(framework::GetOrdProperty(*c, "UIStyle"), int64_t(style)) << c->Name();
    ++n;
  }
  return n;
}

TMenuItem* TopItem(TFrmSkinShow& form, const std::string& caption) {
  TMenuItem* root = form.MainMenu->Items();
  for (int i = 0; i < root->Count(); ++i)
    if (root->Items(i)->Caption() == caption) return root->Items(i);
  return nullptr;
}

TEST(SkinShowForm, ViewMenuRestylesTheWholeFormAndChecksItsStyle) {
  OwnedComponent<TFrmSkinShow> form{new TFrmSkinShow(nullptr)};
  EXPECT_EQ(form->Caption(), "Kestrova skin show");
  EXPECT_TRUE(form->BtnOk->Default());
  EXPECT_TRUE(form->ChkSounds->Checked());
  EXPECT_FALSE(form->ChkPreview->Checked());
  EXPECT_EQ(form->Frame->Menu(), form->MainMenu);
  for (const char* top : {"&File", "&Edit", "&View", "&Help"})
    EXPECT_NE(TopItem(*form, top), nullptr);

  TMenuItem* view = TopItem(*form, "&View");
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->Count(), 5);
  EXPECT_TRUE(view->Items(0)->Checked());                // MacOS to begin with
  view->Items(1)->Click();                               // WinXP
  EXPECT_GE(CountStyled(*form, TsuiUIStyle::WinXP), 6);  // frame, menu, 2 buttons, 2 boxes
  EXPECT_TRUE(view->Items(1)->Checked());
  EXPECT_FALSE(view->Items(0)->Checked());

  TMenuItem* edit = TopItem(*form, "&Edit");
  ASSERT_NE(edit, nullptr);
  int checked = 0, disabled = 0;
  for (int i = 0; i < edit->Count(); ++i) {
    checked += edit->Items(i)->Checked();
    disabled += !edit->Items(i)->Enabled();
  }
  EXPECT_EQ(checked, 1);
  EXPECT_EQ(disabled, 1);
}

TEST(SkinShowForm, SkinFilePutsEveryComponentOnTheTheme) {
  OwnedComponent<TFrmSkinShow> form{new TFrmSkinShow(nullptr)};
  EXPECT_TRUE(form->UseSkin(kSamples + "rounded-locked.skn", "kestrova"));
  EXPECT_GE(CountStyled(*form, TsuiUIStyle::FromThemeFile), 6);
  for (TComponent* c : form->Components()) {
    if (!framework::HasPublishedProperty(*c, "FileTheme")) continue;
    EXPECT_EQ(framework::GetComponentProperty(*c, "FileTheme"), form->Theme) << c->Name();
  }
  OwnedComponent<TFrmSkinShow> locked{new TFrmSkinShow(nullptr)};
  EXPECT_FALSE(locked->UseSkin(kSamples + "rounded-locked.skn", ""));  // no password: fallback
}

}  // namespace
}  // namespace kestrova::skinshow
