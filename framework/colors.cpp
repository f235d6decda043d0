#include "framework/colors.h"

#include <windows.h>

#include <array>
#include <utility>

#include "framework/text.h"

namespace kestrova::framework {
namespace {

struct NamedColor {
  const char* name;
  TColor color;
};

constexpr std::array kNamedColors = {
    NamedColor{"clBlack", clBlack},
    NamedColor{"clMaroon", clMaroon},
    NamedColor{"clGreen", clGreen},
    NamedColor{"clOlive", clOlive},
    NamedColor{"clNavy", clNavy},
    NamedColor{"clPurple", clPurple},
    NamedColor{"clTeal", clTeal},
    NamedColor{"clGray", clGray},
    NamedColor{"clSilver", clSilver},
    NamedColor{"clRed", clRed},
    NamedColor{"clLime", clLime},
    NamedColor{"clYellow", clYellow},
    NamedColor{"clBlue", clBlue},
    NamedColor{"clFuchsia", clFuchsia},
    NamedColor{"clAqua", clAqua},
    NamedColor{"clWhite", clWhite},
    NamedColor{"clNone", clNone},
    NamedColor{"clDefault", clDefault},
    NamedColor{"clScrollBar", clScrollBar},
    NamedColor{"clBackground", clBackground},
    NamedColor{"clActiveCaption", clActiveCaption},
    NamedColor{"clInactiveCaption", clInactiveCaption},
    NamedColor{"clMenu", clMenu},
    NamedColor{"clWindow", clWindow},
    NamedColor{"clWindowFrame", clWindowFrame},
    NamedColor{"clMenuText", clMenuText},
    NamedColor{"clWindowText", clWindowText},
    NamedColor{"clCaptionText", clCaptionText},
    NamedColor{"clActiveBorder", clActiveBorder},
    NamedColor{"clInactiveBorder", clInactiveBorder},
    NamedColor{"clAppWorkSpace", clAppWorkSpace},
    NamedColor{"clHighlight", clHighlight},
    NamedColor{"clHighlightText", clHighlightText},
    NamedColor{"clBtnFace", clBtnFace},
    NamedColor{"clBtnShadow", clBtnShadow},
    NamedColor{"clGrayText", clGrayText},
    NamedColor{"clBtnText", clBtnText},
    NamedColor{"clInactiveCaptionText", clInactiveCaptionText},
    NamedColor{"clBtnHighlight", clBtnHighlight},
    NamedColor{"cl3DDkShadow", cl3DDkShadow},
    NamedColor{"cl3DLight", cl3DLight},
    NamedColor{"clInfoText", clInfoText},
    NamedColor{"clInfoBk", clInfoBk},
    NamedColor{"clHotLight", clHotLight},
    NamedColor{"clGradientActiveCaption", clGradientActiveCaption},
    NamedColor{"clGradientInactiveCaption", clGradientInactiveCaption},
    NamedColor{"clMenuHighlight", clMenuHighlight},
    NamedColor{"clMenuBar", clMenuBar},
};

}  // namespace

uint32_t ColorToRGB(TColor color) {
  if ((color & kSystemColorFlag) == kSystemColorFlag) return GetSysColor(int(color & 0xFF));
  return color & 0x00FFFFFF;
}

std::optional<TColor> ColorFromName(std::string_view name) {
  for (const NamedColor& c : kNamedColors)
    if (SameText(c.name, name)) return c.color;
  return std::nullopt;
}

std::string ColorName(TColor color) {
  for (const NamedColor& c : kNamedColors)
    if (c.color == color) return c.name;
  return {};
}

}  // namespace kestrova::framework
