#include "skin/filetheme/theme_folders.h"

#include <windows.h>

#include "common/error.h"
#include "framework/program_file.h"
#include "skin/filetheme/theme_file_search.h"

namespace kestrova::skin {

namespace {

std::string ProgramFolder() {
  try {
    const std::string program = framework::ProgramFileName();
    return program.substr(0, program.size() - FileNamePart(program).size());
  } catch (const Error&) {
    return {};
  }
}

template <typename Query>
std::string SystemFolder(Query query) {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = query(buffer, MAX_PATH);
  return length == 0 || length > MAX_PATH ? std::string() : std::string(buffer, length);
}

}  // namespace

std::vector<std::string> ThemeSearchFolders() {
  std::vector<std::string> folders;
  for (std::string folder :
       {ProgramFolder(), SystemFolder(GetWindowsDirectoryA), SystemFolder(GetSystemDirectoryA)}) {
    if (!folder.empty()) folders.push_back(std::move(folder));
  }
  return folders;
}

}  // namespace kestrova::skin
