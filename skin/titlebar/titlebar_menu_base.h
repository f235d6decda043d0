// The skinned popup menu the window menu is made of.
#pragma once

#include "framework/popup_menu.h"
#include "skin/style_table.h"

namespace kestrova::skin {

class TsuiFileTheme;

// Until the skinned popup menu is in, a plain popup menu that keeps the
// style it is given.
class TitleBarMenuBase : public framework::TPopupMenu {
 public:
  explicit TitleBarMenuBase(framework::TComponent* owner) : TPopupMenu(owner) {}
  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style) { ui_style_ = style; }
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme) { file_theme_ = theme; }

 private:
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  TsuiFileTheme* file_theme_ = nullptr;
};

}  // namespace kestrova::skin
