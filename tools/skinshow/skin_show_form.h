// The skin show's one window: a form taken over by a skinned frame (title
// bar with minimize, maximize and close, the main menu as its skinned menu
// bar), two skinned buttons (one the default), two skinned check boxes (one
// checked) and a file theme, restyled as a whole from the View menu or the
// command line.
//
//   TFrmSkinShow* form;
//   app.CreateForm(form);
//   form->Restyle(TsuiUIStyle::WinXP);
//   form->UseSkin("blue.skn", "");      // every component FromThemeFile
#pragma once

#include <string>

#include "framework/form.h"
#include "skin/buttons.h"
#include "skin/filetheme.h"
#include "skin/form/form.h"
#include "skin/menus.h"

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
  skin::TsuiForm* Frame = nullptr;
  skin::TsuiMainMenu* MainMenu = nullptr;
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
