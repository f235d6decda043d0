// Where a file theme finds its skin file: the name as given, then its file
// name in each of a list of folders (on Windows the program's folder, the
// Windows directory and the system directory, in that order).
//
//   auto found = FindThemeFile("blue.skn", {programDir, windowsDir, systemDir},
//                              os::FileExists);
//   if (found) load(*found);      // the full path of the first that exists
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kestrova::skin {

// The part of `path` after its last '\' or '/' (the whole text without one).
std::string FileNamePart(const std::string& path);

// `folder` with a separator at its end ('\' on Windows, '/' elsewhere),
// unless it already ends with '\' or '/'.
std::string WithTrailingSeparator(const std::string& folder);

// The places tried in order: `value` itself, then the file name part of
// `value` in each folder. A value without a file name part (empty, or ending
// in a separator) is only tried as it is.
std::vector<std::string> ThemeFileCandidates(const std::string& value,
                                             const std::vector<std::string>& folders);

// The first candidate for which `exists` holds, or none.
std::optional<std::string> FindThemeFile(const std::string& value,
                                         const std::vector<std::string>& folders,
                                         const std::function<bool(const std::string&)>& exists);

}  // namespace kestrova::skin
