// TShortCut: a key with its shift state in one number (the virtual key in the
// low byte, scShift / scCtrl / scAlt above), as menus store it, and its text.
//
//   TShortCut s = ShortCut('S', {TShiftFlag::ssCtrl});   // 16467
//   ShortCutToText(s) == "Ctrl+S";  TextToShortCut("Shift+F5") == ShortCut(VK_F5, {ssShift})
//   TShortCut pressed = ShortCutOfKeyMessage(m);          // WM_KEYDOWN / WM_SYSKEYDOWN
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/events.h"
#include "framework/messages.h"

namespace kestrova::framework {

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
// "Ctrl+S", "Shift+Ctrl+F5", "Alt+BkSp", "Del"; empty for none or an unnamed key.
std::string ShortCutToText(TShortCut short_cut);
// The reverse (names compare without case); scNone for text it does not know.
TShortCut TextToShortCut(std::string_view text);
// The short cut a key message stands for: its key, Shift and Ctrl as held
// now, Alt from the message's key data.
TShortCut ShortCutOfKeyMessage(const TMessage& message);

}  // namespace kestrova::framework
