// The published properties both skinned menus share, in the order designs
// store them: the style first, so the colours a design sets after it stay.
#pragma once

#include <windows.h>

#include "framework/class_builder.h"
#include "skin/filetheme.h"
#include "skin/menus/menu_look.h"
#include "skin/styles.h"

namespace kestrova::skin {

template <class T>
framework::ClassBuilder<T> PublishMenuLook(framework::ClassBuilder<T> b) {
  b.template Component<TsuiFileTheme>("FileTheme", &T::FileTheme, &T::SetFileTheme)
      .template Enumeration<TsuiUIStyle>("UIStyle", &T::UIStyle, &T::SetUIStyle, UIStyleNames())
      .Boolean("OwnerDraw", &T::OwnerDraw, &T::SetOwnerDraw, true)
      .Integer("MenuItemHeight", &T::MenuItemHeight, &T::SetMenuItemHeight)
      .Integer("SeparatorHeight", &T::SeparatorHeight, &T::SetSeparatorHeight)
      .Integer("BarWidth", &T::BarWidth, &T::SetBarWidth)
      .Color("BarColor", &T::BarColor, &T::SetBarColor)
      .Color("BarToColor", &T::BarToColor, &T::SetBarToColor)
      .Color("Color", &T::Color, &T::SetColor)
      .Color("SeparatorColor", &T::SeparatorColor, &T::SetSeparatorColor)
      .Color("SelectedBorderColor", &T::SelectedBorderColor, &T::SetSelectedBorderColor)
      .Color("SelectedColor", &T::SelectedColor, &T::SetSelectedColor)
      .Color("SelectedFontColor", &T::SelectedFontColor, &T::SetSelectedFontColor)
      .Color("FontColor", &T::FontColor, &T::SetFontColor)
      .Color("BorderColor", &T::BorderColor, &T::SetBorderColor, 0)
      .Boolean("FlatMenu", &T::FlatMenu, &T::SetFlatMenu, false)
      .String("FontName", &T::FontName, &T::SetFontName)
      .Integer("FontSize", &T::FontSize, &T::SetFontSize, 8)
      .Integer("FontCharset", &T::FontCharset, &T::SetFontCharset, DEFAULT_CHARSET,
               {{"ANSI_CHARSET", ANSI_CHARSET},
                {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                {"SYMBOL_CHARSET", SYMBOL_CHARSET}})
      .Boolean("UseSystemFont", &T::UseSystemFont, &T::SetUseSystemFont, true);
  return b;
}

}  // namespace kestrova::skin
