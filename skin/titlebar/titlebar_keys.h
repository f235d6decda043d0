// The file-theme indexes the title bar reads, named after their keys.
#pragma once

#include "skin/skin_keys.h"

namespace kestrova::skin::titlebar_keys {

constexpr TsuiFileThemeColor kTransColor{0};         // SKIN2_TRANSCOLOR
constexpr TsuiFileThemeColor kTitleFontColor{1};     // SKIN2_TITLEFONTCOLOR
constexpr TsuiFileThemeColor kFormColor{2};          // SKIN2_FORMCOLOR
constexpr TsuiFileThemeBitmap kTitleBar1{0};         // SKIN2_TITLEBAR1 .. 5 follow
constexpr TsuiFileThemeBitmap kTitleButtons{11};     // SKIN2_TITLEBUTTONS
constexpr TsuiFileThemeInt kIconPosX{0};             // SKIN2_TITLEBARICONPOSX
constexpr TsuiFileThemeInt kIconPosY{1};             // SKIN2_TITLEBARICONPOSY
constexpr TsuiFileThemeInt kCaptionTop{2};           // SKIN2_TITLEBARCAPTIONTOP
constexpr TsuiFileThemeInt kButtonPosX{3};           // SKIN2_TITLEBARBUTTONPOSX
constexpr TsuiFileThemeInt kButtonPosY{4};           // SKIN2_TITLEBARBUTTONPOSY
constexpr TsuiFileThemeBool kFiveSections{0};        // SKIN2_TITLEFIVESECT
constexpr TsuiFileThemeBool kButtonsTransparent{4};  // SKIN2_TITLEBTNTRANS

inline TsuiFileThemeBitmap TitleBarPicture(int n) {  // n from 1
  return TsuiFileThemeBitmap{int(kTitleBar1) + n - 1};
}

}  // namespace kestrova::skin::titlebar_keys
