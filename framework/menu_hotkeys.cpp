#include "framework/menu_hotkeys.h"

#include <windows.h>

#include <set>

#include "framework/text.h"

namespace kestrova::framework {
namespace {

wchar_t Upper(wchar_t c) {
  wchar_t s[2] = {c, 0};
  CharUpperW(s);
  return s[0];
}

bool IsHotkeyCandidate(wchar_t c) { return IsCharAlphaNumericW(c); }

// The accelerator of a caption, or 0.
wchar_t AccelOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return Upper(caption[i + 1]);
    ++i;
  }
  return 0;
}

}  // namespace

std::vector<std::string> AutoHotkeyCaptions(const std::vector<std::string>& captions) {
  std::vector<std::wstring> wide;
  std::set<wchar_t> taken;
  for (const std::string& c : captions) {
    wide.push_back(Widen(c));
    if (wchar_t a = AccelOf(wide.back())) taken.insert(a);
  }
  std::vector<std::string> out;
  for (std::wstring& w : wide) {
    bool has_accel = AccelOf(w) != 0 || w == L"-";
    for (size_t i = 0; !has_accel && i < w.size(); ++i) {
      if (w[i] == L'&' || !IsHotkeyCandidate(w[i]) || taken.count(Upper(w[i]))) continue;
      taken.insert(Upper(w[i]));
      w.insert(i, 1, L'&');
      has_accel = true;
    }
    out.push_back(Narrow(w));
  }
  return out;
}

}  // namespace kestrova::framework
