// The check the packager and the installation share on the name a
// screensaver is installed under (its own file, so the stub links none of
// the packager's writing code): a plain file name, safe to join to the
// system directory. The name is an ANSI byte string, so it is
// walked by characters of the code page (on Windows CharNextA): the second
// byte of a double-byte character is never taken for a separator.
#pragma once

#include <cstddef>
#include <string>

namespace kestrova {

// The byte offset of the character after the one at `at` in `text`.
using NextCharacterFn = size_t (*)(const std::string& text, size_t at);

// True when `name` is a plain file name: non-empty, not "." or "..", no
// "\\", "/", ":" or control character, and no device name (CON, PRN, AUX,
// NUL, COM1-COM9, LPT1-LPT9, in any case, with any extension).
bool IsPlainFileName(const std::string& name);
// The same, walking the name with `next` (tests choose the code page).
bool IsPlainFileName(const std::string& name, NextCharacterFn next);

// True when `stem` (a name without its extension) names a device.
bool IsDeviceName(std::string stem);

}  // namespace kestrova
