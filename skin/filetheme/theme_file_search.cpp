#include "skin/filetheme/theme_file_search.h"

#include "common/os_services.h"

namespace kestrova::skin {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string FileNamePart(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string WithTrailingSeparator(const std::string& folder) {
  if (!folder.empty() && IsSeparator(folder.back())) return folder;
  return folder + os::PathSeparator();
}

std::vector<std::string> ThemeFileCandidates(const std::string& value,
                                             const std::vector<std::string>& folders) {
  std::vector<std::string> candidates{value};
  const std::string name = FileNamePart(value);
  // Without a name, a folder alone would be "found" wherever it exists.
  if (name.empty()) return candidates;
  for (const std::string& folder : folders) {
    if (!folder.empty()) candidates.push_back(WithTrailingSeparator(folder) + name);
  }
  return candidates;
}

std::optional<std::string> FindThemeFile(const std::string& value,
                                         const std::vector<std::string>& folders,
                                         const std::function<bool(const std::string&)>& exists) {
  if (value.empty()) return std::nullopt;
  for (const std::string& candidate : ThemeFileCandidates(value, folders)) {
    if (exists(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace kestrova::skin
