#include "framework/program_file.h"

#include <vector>

#include "common/error.h"
#include "common/os_services.h"

namespace kestrova::framework {

namespace {
constexpr DWORD kFirstSize = MAX_PATH;
constexpr DWORD kLongestPath = 32768;
}  // namespace

std::string ReadFileName(const FileNameQuery& query) {
  for (DWORD size = kFirstSize;; size *= 2) {
    std::vector<char> buffer(size, '\0');
    const DWORD length = query(buffer.data(), size);
    if (length == 0) throw Error("the system does not name the program's own file");
    if (length < size) return std::string(buffer.data(), length);
    if (size >= kLongestPath) throw Error("the program's own file has too long a name");
  }
}

std::string ProgramFileName() {
  return ReadFileName(
      [](char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); });
}

std::string ProgramTitle(const std::string& programFile) {
  std::string name = programFile;
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name = name.substr(0, dot);
  return os::PathText(name);
}

}  // namespace kestrova::framework
