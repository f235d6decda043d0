// The skin show's one window: a skinned form with a main menu, two skinned
// buttons (one the default), two skinned check boxes (one checked) and a
// file theme, restyled as a whole from the View menu or the command line.
//
//   TFrmSkinShow* form;
//   app.CreateForm(form);
//   form->Restyle(TsuiUIStyle::WinXP);
//   form->UseSkin("blue.skn", "");      // every component FromThemeFile
#pragma once

#include <string>

#include "framework/form.h"
#include "framework/main_menu.h"
#include "skin/buttons.h"
#include "skin/filetheme.h"

namespace kestrova::skinshow {

class TFrmSkinShow : public framework::TForm {
  KESTROVA_CLASS(TFrmSkinShow)

 public:
  explicit TFrmSkinShow(framework::TComponent* owner);

  // Every skinned component of the form takes `style`; the View menu's item
  // of that style is checked.
  void Restyle(skin::TsuiUIStyle style);
  // Loads the skin file into the form's file theme and has every skinned
  // component draw from it. False when the skin could not be loaded (the
  // components then show the fallback look).
  bool UseSkin(const std::string& file, const std::string& password);

  skin::TsuiFileTheme* Theme = nullptr;
  framework::TMainMenu* MainMenu = nullptr;
  skin::TsuiButton* BtnOk = nullptr;
  skin::TsuiButton* BtnCancel = nullptr;
  skin::TsuiCheckBox* ChkSounds = nullptr;
  skin::TsuiCheckBox* ChkPreview = nullptr;

 private:
  void BuildControls();
  void BuildMenu();
  void CheckStyleItem(skin::TsuiUIStyle style);

  framework::TMenuItem* view_ = nullptr;
};

}  // namespace kestrova::skinshow
