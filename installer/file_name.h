// The check the packager and the installation share on the name a
// screensaver is installed under (its own file, so the stub links none of
// the packager's writing code).
#pragma once

#include <string>

namespace kestrova {

// True when `name` is a plain file name: non-empty, not "." or "..", no
// "\\", "/", ":" and no control character.
bool IsPlainFileName(const std::string& name);

}  // namespace kestrova
