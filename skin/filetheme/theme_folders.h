// The folders a file theme looks in for a skin file named without a usable
// path: the running program's folder, the Windows directory, the system
// directory. A folder the system does not report is left out.
#pragma once

#include <string>
#include <vector>

namespace kestrova::skin {

std::vector<std::string> ThemeSearchFolders();

}  // namespace kestrova::skin
