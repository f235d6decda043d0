// TColor: 0x00BBGGRR, or 0xFF0000nn for system colour nn (GetSysColor), and
// the colour names of stored designs (clRed, clBtnFace, ...).
//
//   COLORREF rgb = ColorToRGB(clBtnFace);
//   std::optional<TColor> c = ColorFromName("clWindowText");
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova::framework {

using TColor = uint32_t;

constexpr TColor kSystemColorFlag = 0xFF000000;
constexpr TColor SystemColor(int index) { return kSystemColorFlag | TColor(index); }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clNone = 0x1FFFFFFF, clDefault = 0x20000000;
constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1),
                 clActiveCaption = SystemColor(2), clInactiveCaption = SystemColor(3),
                 clMenu = SystemColor(4), clWindow = SystemColor(5), clWindowFrame = SystemColor(6),
                 clMenuText = SystemColor(7), clWindowText = SystemColor(8),
                 clCaptionText = SystemColor(9), clActiveBorder = SystemColor(10),
                 clInactiveBorder = SystemColor(11), clAppWorkSpace = SystemColor(12),
                 clHighlight = SystemColor(13), clHighlightText = SystemColor(14),
                 clBtnFace = SystemColor(15), clBtnShadow = SystemColor(16),
                 clGrayText = SystemColor(17), clBtnText = SystemColor(18),
                 clInactiveCaptionText = SystemColor(19), clBtnHighlight = SystemColor(20),
                 cl3DDkShadow = SystemColor(21), cl3DLight = SystemColor(22),
                 clInfoText = SystemColor(23), clInfoBk = SystemColor(24),
                 clHotLight = SystemColor(26), clGradientActiveCaption = SystemColor(27),
                 clGradientInactiveCaption = SystemColor(28), clMenuHighlight = SystemColor(29),
                 clMenuBar = SystemColor(30);

// The current RGB value (0x00BBGGRR) of a colour; system colours resolved.
uint32_t ColorToRGB(TColor color);

std::optional<TColor> ColorFromName(std::string_view name);
// The design name of a colour with one ("clBtnFace"), else empty.
std::string ColorName(TColor color);

}  // namespace kestrova::framework
