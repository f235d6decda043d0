// TsuiForm's published properties, in the order a stored design lists them.
#include "framework/class_registry.h"
#include "framework/main_menu.h"
#include "skin/filetheme.h"
#include "skin/form/form.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using framework::ClassBuilder;
using framework::ClassInfo;
using framework::TControl;
using framework::TCustomPanel;
using framework::TMainMenu;

const ClassInfo& TsuiForm::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TsuiForm>("TsuiForm", &TCustomPanel::StaticClass())
          .Boolean("TitleBarCustom", &TsuiForm::TitleBarCustom, &TsuiForm::SetTitleBarCustom)
          .Component<TsuiFileTheme>("FileTheme", &TsuiForm::FileTheme, &TsuiForm::SetFileTheme)
          .Enumeration<TsuiUIStyle>("UIStyle", &TsuiForm::UIStyle, &TsuiForm::SetUIStyle,
                                    UIStyleNames())
          .Boolean("UIStyleAutoUpdateSub", &TsuiForm::UIStyleAutoUpdateSub,
                   &TsuiForm::SetUIStyleAutoUpdateSub)
          .Color("BorderColor", &TsuiForm::BorderColor, &TsuiForm::SetBorderColor)
          .Integer("BorderWidth", &TsuiForm::BorderWidth, &TsuiForm::SetBorderWidth)
          .Boolean("TitleBarVisible", &TsuiForm::TitleBarVisible, &TsuiForm::SetTitleBarVisible)
          .Color("Color", &TControl::Color, &TControl::SetColor)
          .String("Caption", &TsuiForm::Caption, &TsuiForm::SetCaption)
          .Component<TCustomPanel>("FormPanel", &TsuiForm::FormPanel, &TsuiForm::SetFormPanel)
          .Collection("TitleBarButtons", &TsuiForm::TitleBarButtons)
          .Collection("TitleBarSections", &TsuiForm::TitleBarSections)
          .Boolean("TitleBarDrawAppIcon", &TsuiForm::TitleBarDrawAppIcon,
                   &TsuiForm::SetTitleBarDrawAppIcon)
          .Object("Font", static_cast<framework::TFont& (TsuiForm::*)()>(&TsuiForm::Font))
          .Component<TMainMenu>("Menu", &TsuiForm::Menu, &TsuiForm::SetMenu)
          .Color("MenuBarColor", &TsuiForm::MenuBarColor, &TsuiForm::SetMenuBarColor)
          .Color("MenuBarToColor", &TsuiForm::MenuBarToColor, &TsuiForm::SetMenuBarToColor)
          .Integer("MenuBarHeight", &TsuiForm::MenuBarHeight, &TsuiForm::SetMenuBarHeight)
          .Integer("RoundCorner", &TsuiForm::RoundCorner, &TsuiForm::SetRoundCorner)
          .Integer("RoundCornerBottom", &TsuiForm::RoundCornerBottom,
                   &TsuiForm::SetRoundCornerBottom)
          .String("Version", &TsuiForm::Version, &TsuiForm::SetVersion)
          .Color("InactiveCaptionColor", &TsuiForm::InactiveCaptionColor,
                 &TsuiForm::SetInactiveCaptionColor)
          .EventAccessor<TsuiTitleBarButtonClickEvent>(
              "OnTitleBarCustomBtnsClick",
              [](TsuiForm& f) -> TsuiTitleBarButtonClickEvent& {
                return f.OnTitleBarCustomBtnsClick();
              })
          .EventAccessor<TsuiTitleBarButtonClickEvent>(
              "OnTitleBarHelpBtnClick",
              [](TsuiForm& f) -> TsuiTitleBarButtonClickEvent& {
                return f.OnTitleBarHelpBtnClick();
              })
          .Build();
  return info;
}

TsuiTitleBarButtonClickEvent& TsuiForm::OnTitleBarCustomBtnsClick() {
  return title_bar_ ? title_bar_->OnCustomBtnsClick : no_custom_btns_click_;
}

TsuiTitleBarButtonClickEvent& TsuiForm::OnTitleBarHelpBtnClick() {
  return title_bar_ ? title_bar_->OnHelpBtnClick : no_help_btn_click_;
}

void RegisterFormClasses() {
  RegisterTitleBarClasses();
  framework::RegisterClasses({&TsuiForm::StaticClass()});
}

}  // namespace kestrova::skin
