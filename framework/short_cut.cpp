#include "framework/short_cut.h"

#include <windows.h>

#include <array>
#include <utility>

#include "framework/text.h"

namespace kestrova::framework {
namespace {

constexpr std::array<std::pair<uint16_t, const char*>, 15> kKeyNames = {{
    {VK_BACK, "BkSp"},
    {VK_TAB, "Tab"},
    {VK_ESCAPE, "Esc"},
    {VK_RETURN, "Enter"},
    {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_END, "End"},
    {VK_HOME, "Home"},
    {VK_LEFT, "Left"},
    {VK_UP, "Up"},
    {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},
    {VK_INSERT, "Ins"},
    {VK_DELETE, "Del"},
}};

constexpr std::array<std::pair<TShortCut, const char*>, 3> kShiftNames = {{
    {scShift, "Shift+"},
    {scCtrl, "Ctrl+"},
    {scAlt, "Alt+"},
}};

std::string KeyName(uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return "Num " + std::to_string(key - VK_NUMPAD0);
  for (const auto& [vk, name] : kKeyNames)
    if (vk == key) return name;
  return {};
}

}  // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
  TShortCut s = TShortCut(key & 0xFF);
  if (shift.Contains(TShiftFlag::ssShift)) s |= scShift;
  if (shift.Contains(TShiftFlag::ssCtrl)) s |= scCtrl;
  if (shift.Contains(TShiftFlag::ssAlt)) s |= scAlt;
  return s;
}

std::string ShortCutToText(TShortCut short_cut) {
  std::string key = KeyName(short_cut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  for (const auto& [flag, name] : kShiftNames)
    if (short_cut & flag) text += name;
  return text + key;
}

TShortCut TextToShortCut(std::string_view text) {
  TShortCut shift = 0;
  bool found = true;
  while (found) {
    found = false;
    for (const auto& [flag, name] : kShiftNames) {
      std::string_view prefix(name);
      if (text.size() > prefix.size() && SameText(text.substr(0, prefix.size()), prefix)) {
        shift |= flag;
        text.remove_prefix(prefix.size());
        found = true;
      }
    }
  }
  for (uint16_t key = 1; key < 0x100; ++key)
    if (std::string name = KeyName(key); !name.empty() && SameText(name, text))
      return TShortCut(key | shift);
  return scNone;
}

TShortCut ShortCutOfKeyMessage(const TMessage& m) {
  TShortCut s = TShortCut(m.wparam & 0xFF);
  if (GetKeyState(VK_SHIFT) < 0) s |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= scCtrl;
  if (m.lparam & (LPARAM(1) << 29)) s |= scAlt;  // the context code: Alt was down
  return s;
}

}  // namespace kestrova::framework
