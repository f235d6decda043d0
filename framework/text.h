// UTF-8 (the code's strings) to UTF-16 (the W functions) and back.
//
//   SetWindowTextW(hwnd, Widen(caption).c_str());
#pragma once

#include <string>
#include <string_view>

namespace kestrova::framework {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// One UTF-16 unit or code point as UTF-8.
std::string CodePointToUtf8(char32_t code_point);

// Case-insensitive comparison of ASCII identifiers (property and value names).
bool SameText(std::string_view a, std::string_view b);

}  // namespace kestrova::framework

namespace kestrova::framework {
// Whether `key` is the accelerator of a caption: the character after a single
// '&' ("&Install" has I), compared without regard to case.
bool IsAccel(wchar_t key, std::string_view caption);
}  // namespace kestrova::framework
