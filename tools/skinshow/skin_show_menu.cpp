// The skin show's main menu: File, Edit (a checked and a disabled item),
// View (the five built-in styles, the current one checked), Help.
#include "framework/menu_item.h"
#include "framework/short_cut.h"
#include "skin/styles.h"
#include "tools/skinshow/skin_show_form.h"

namespace kestrova::skinshow {

using framework::ShortCut;
using framework::TComponent;
using framework::TMenuItem;
using framework::TShiftFlag;
using skin::TsuiUIStyle;

namespace {

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const char* caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

constexpr TsuiUIStyle kViewStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP,
                                       TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                       TsuiUIStyle::BlueGlass};

}  // namespace

void TFrmSkinShow::BuildMenu() {
  MainMenu = new skin::TsuiMainMenu(this);
  MainMenu->SetName("MainMenu");
  TMenuItem* root = MainMenu->Items();

  TMenuItem* file = Item(this, root, "&File");
  Item(this, file, "&Open skin...")->SetEnabled(false);
  Item(this, file, "-");
  TMenuItem* exit = Item(this, file, "E&xit");
  exit->SetShortCut(ShortCut('Q', {TShiftFlag::ssCtrl}));
  exit->OnClick = [this](TComponent*) { Close(); };

  TMenuItem* edit = Item(this, root, "&Edit");
  Item(this, edit, "&Copy")->SetShortCut(ShortCut('C', {TShiftFlag::ssCtrl}));
  Item(this, edit, "&Paste")->SetEnabled(false);
  Item(this, edit, "-");
  TMenuItem* wrap = Item(this, edit, "&Word wrap");
  wrap->SetChecked(true);
  wrap->OnClick = [wrap](TComponent*) { wrap->SetChecked(!wrap->Checked()); };

  view_ = Item(this, root, "&View");
  const std::vector<std::string> names = skin::UIStyleNames();
  for (TsuiUIStyle style : kViewStyles) {
    TMenuItem* item = Item(this, view_, names[size_t(style)].c_str());
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->OnClick = [this, style](TComponent*) { Restyle(style); };
  }

  TMenuItem* help = Item(this, root, "&Help");
  Item(this, help, "&About Kestrova skin show");
  Frame->SetMenu(MainMenu);
}

void TFrmSkinShow::CheckStyleItem(TsuiUIStyle style) {
  for (int i = 0; i < view_->Count(); ++i) view_->Items(i)->SetChecked(kViewStyles[i] == style);
}

}  // namespace kestrova::skinshow
