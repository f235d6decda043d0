// The published properties of the title bar and its items, for stored
// designs, and their registration.
#include "framework/class_builder.h"
#include "framework/class_registry.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using namespace framework;

namespace {

std::vector<std::string> ButtonTypeNames() {
  return {"suiMax", "suiMin", "suiClose", "suiHelp", "suiControlBox", "suiCustom"};
}

std::vector<std::string> AlignNames() { return {"suiLeft", "suiRight", "suiClient"}; }

}  // namespace

const ClassInfo& TsuiTitleBarSection::StaticClass() {
  using S = TsuiTitleBarSection;
  static const ClassInfo info =
      ClassBuilder<S>("TsuiTitleBarSection", &TCollectionItem::StaticClass())
          .Integer("Width", &S::Width, &S::SetWidth, 10)
          .Enumeration<TsuiTitleBarAlign>("Align", &S::Align, &S::SetAlign, AlignNames(),
                                          TsuiTitleBarAlign::suiLeft)
          .Object("Picture", static_cast<TPicture& (S::*)()>(&S::Picture))
          .Boolean("Stretch", &S::Stretch, &S::SetStretch, false)
          .Boolean("AutoSize", &S::AutoSize, &S::SetAutoSize, false)
          .Boolean("CapSec", &S::CapSec, &S::SetCapSec, false)
          .Build();
  return info;
}

const ClassInfo& TsuiTitleBarSections::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TsuiTitleBarSections>("TsuiTitleBarSections", &TCollection::StaticClass())
          .Build();
  return info;
}

const ClassInfo& TsuiTitleBarButton::StaticClass() {
  using B = TsuiTitleBarButton;
  static const ClassInfo info =
      ClassBuilder<B>("TsuiTitleBarButton", &TCollectionItem::StaticClass())
          .Boolean("Visible", &B::Visible, &B::SetVisible, true)
          .Enumeration<TsuiTitleBarBtnType>("ButtonType", &B::ButtonType, &B::SetButtonType,
                                            ButtonTypeNames(), TsuiTitleBarBtnType::suiCustom)
          .Boolean("Transparent", &B::Transparent, &B::SetTransparent, false)
          .Integer("Top", &B::Top, &B::SetTop, 2)
          .Enumeration<TsuiUIStyle>("UIStyle", &B::UIStyle, &B::SetUIStyle, UIStyleNames(),
                                    TsuiUIStyle::DeepBlue)
          .Object("PicNormal", static_cast<TPicture& (B::*)()>(&B::PicNormal))
          .Object("PicMouseOn", static_cast<TPicture& (B::*)()>(&B::PicMouseOn))
          .Object("PicMouseDown", static_cast<TPicture& (B::*)()>(&B::PicMouseDown))
          .Component<TPopupMenu>("ControlBoxMenu", &B::ControlBoxMenu, &B::SetControlBoxMenu)
          .Build();
  return info;
}

const ClassInfo& TsuiTitleBarButtons::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TsuiTitleBarButtons>("TsuiTitleBarButtons", &TCollection::StaticClass()).Build();
  return info;
}

const ClassInfo& TsuiTitleBarPopupMenu::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TsuiTitleBarPopupMenu>("TsuiTitleBarPopupMenu", &TsuiPopupMenu::StaticClass())
          .Build();
  return info;
}

const ClassInfo& TsuiTitleBar::StaticClass() {
  using T = TsuiTitleBar;
  static const ClassInfo info =
      ClassBuilder<T>("TsuiTitleBar", &TCustomPanel::StaticClass())
          .Boolean("Custom", &T::Custom, &T::SetCustom, false)
          .Enumeration<TsuiUIStyle>("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
          .Component<TsuiFileTheme>("FileTheme", &T::FileTheme, &T::SetFileTheme)
          .Boolean("AutoSize", &T::AutoSize, &T::SetAutoSize, false)
          .Collection("Sections", static_cast<TsuiTitleBarSections& (T::*)()>(&T::Sections))
          .Collection("Buttons", static_cast<TsuiTitleBarButtons& (T::*)()>(&T::Buttons))
          .Integer("ButtonInterval", &T::ButtonInterval, &T::SetButtonInterval, 0)
          .Boolean("FormActive", &T::FormActive, &T::SetFormActive, true)
          .Integer("LeftBtnXOffset", &T::LeftBtnXOffset, &T::SetLeftBtnXOffset, 0)
          .Integer("RightBtnXOffset", &T::RightBtnXOffset, &T::SetRightBtnXOffset, 0)
          .Boolean("DrawAppIcon", &T::DrawAppIcon, &T::SetDrawAppIcon, true)
          .Integer("RoundCorner", &T::RoundCorner, &T::SetRoundCorner, 0)
          .Integer("RoundCornerBottom", &T::RoundCornerBottom, &T::SetRoundCornerBottom, 0)
          .Color("InactiveCaptionColor", &T::InactiveCaptionColor, &T::SetInactiveCaptionColor,
                 clInactiveCaption)
          .Event("OnCustomBtnsClick", &T::OnCustomBtnsClick)
          .Event("OnHelpBtnClick", &T::OnHelpBtnClick)
          .Build();
  return info;
}

void RegisterTitleBarClasses() {
  RegisterClasses({&TsuiTitleBar::StaticClass(), &TsuiTitleBarPopupMenu::StaticClass()});
}

}  // namespace kestrova::skin
