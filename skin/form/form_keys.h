// The file-theme entries the skinned frame reads, by their place in the key
// table (skin_keys.h).
#pragma once

#include "skin/skin_keys.h"

namespace kestrova::skin::form_keys {

constexpr TsuiFileThemeColor kTransColor{0};          // SKIN2_TRANSCOLOR
constexpr TsuiFileThemeColor kFormColor{2};           // SKIN2_FORMCOLOR
constexpr TsuiFileThemeColor kMenuBarStart{3};        // SKIN2_MENUBARSTARTCOLOR
constexpr TsuiFileThemeColor kMenuBarEnd{4};          // SKIN2_MENUBARENDCOLOR
constexpr TsuiFileThemeBitmap kLeftBorder{5};         // SKIN2_FORMLEFTBORDER
constexpr TsuiFileThemeBitmap kRightBorder{6};        // SKIN2_FORMRIGHTBORDER
constexpr TsuiFileThemeBitmap kBottomBorder1{7};      // SKIN2_FORMBOTTOMBORDER1
constexpr TsuiFileThemeBitmap kBottomBorder2{8};      // SKIN2_FORMBOTTOMBORDER2
constexpr TsuiFileThemeBitmap kBottomBorder3{9};      // SKIN2_FORMBOTTOMBORDER3
constexpr TsuiFileThemeInt kTitleRegionMinY{5};       // SKIN2_TITLEBARREGIONMINY
constexpr TsuiFileThemeInt kTitleRegionMaxY{6};       // SKIN2_TITLEBARREGIONMAXY
constexpr TsuiFileThemeInt kBottomRegionMinY{7};      // SKIN2_BOTTOMREGIONMINY
constexpr TsuiFileThemeInt kBottomRegionMaxY{8};      // SKIN2_BOTTOMREGIONMAXY
constexpr TsuiFileThemeBool kBottomThreeSections{1};  // SKIN2_BOTTOMBORDERTHREESECT
constexpr TsuiFileThemeBool kTitleNeedRegion{2};      // SKIN2_TITLEBARNEEDREGION
constexpr TsuiFileThemeBool kBottomNeedRegion{3};     // SKIN2_BOTTOMBORDERNEEDREGION

}  // namespace kestrova::skin::form_keys
