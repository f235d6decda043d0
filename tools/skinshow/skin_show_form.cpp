#include "tools/skinshow/skin_show_form.h"

#include "framework/class_builder.h"
#include "framework/properties.h"
#include "tools/skinshow/skin_show_layout.h"

namespace kestrova::skinshow {

using framework::TComponent;
using skin::TsuiButton;
using skin::TsuiCheckBox;
using skin::TsuiUIStyle;

const framework::ClassInfo& TFrmSkinShow::StaticClass() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TFrmSkinShow>("TFrmSkinShow", &TForm::StaticClass()).Build();
  return info;
}

TFrmSkinShow::TFrmSkinShow(TComponent* owner) : TForm(owner) {
  SetCaption("Kestrova skin show");
  SetBorderStyle(framework::TFormBorderStyle::bsSizeable);
  SetPosition(framework::TPosition::poScreenCenter);
  SetBounds(0, 0, kWindowWidth, kWindowHeight);
  Theme = new skin::TsuiFileTheme(this);
  Theme->SetName("Theme");
  Frame = new skin::TsuiForm(this);
  Frame->SetName("Frame");
  Frame->SetParent(this);
  Frame->SetCaption("Kestrova skin show");
  BuildMenu();
  BuildControls();
  Restyle(TsuiUIStyle::MacOS);
}

void TFrmSkinShow::BuildControls() {
  auto button = [this](const char* name, const char* caption, int left) {
    auto* b = new TsuiButton(this);
    b->SetName(name);
    b->SetParent(Frame);
    b->SetBounds(left, 184, 80, 25);
    b->SetCaption(caption);
    return b;
  };
  BtnOk = button("BtnOk", "OK", 210);
  BtnOk->SetDefault(true);
  BtnOk->OnClick = [this](TComponent*) { Close(); };
  BtnCancel = button("BtnCancel", "Cancel", 300);
  BtnCancel->SetCancel(true);
  BtnCancel->OnClick = [this](TComponent*) { Close(); };

  auto box = [this](const char* name, const char* caption, int top) {
    auto* c = new TsuiCheckBox(this);
    c->SetName(name);
    c->SetParent(Frame);
    c->SetBounds(24, top, 220, 21);
    c->SetCaption(caption);
    return c;
  };
  ChkSounds = box("ChkSounds", "Play &sounds", 84);
  ChkSounds->SetChecked(true);
  ChkPreview = box("ChkPreview", "Show a &preview", 114);
}

void TFrmSkinShow::Restyle(TsuiUIStyle style) {
  for (TComponent* c : Components()) {
    if (c != Theme && framework::HasPublishedProperty(*c, "UIStyle"))
      framework::SetOrdProperty(*c, "UIStyle", int64_t(style));
  }
  CheckStyleItem(style);
}

bool TFrmSkinShow::UseSkin(const std::string& file, const std::string& password) {
  Theme->SetPassword(password);  // kept for the load below (no file yet: no load now)
  Theme->SetThemeFile(file);
  for (TComponent* c : Components()) {
    if (!framework::HasPublishedProperty(*c, "FileTheme")) continue;
    framework::SetComponentProperty(*c, "FileTheme", Theme);
    if (framework::HasPublishedProperty(*c, "UIStyle"))
      framework::SetOrdProperty(*c, "UIStyle", int64_t(TsuiUIStyle::FromThemeFile));
  }
  CheckStyleItem(TsuiUIStyle::FromThemeFile);
  return Theme->Ready();
}

}  // namespace kestrova::skinshow
