// Test helpers: a scratch directory removed at the end of the test, and
// small file utilities.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrova::testing {

using Bytes = std::vector<uint8_t>;

// A fresh directory under the system temporary directory, deleted (with its
// files) when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const Bytes& bytes);
Bytes ReadFile(const std::string& path);
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Int32(int32_t value);
Bytes Repeat(uint8_t value, size_t count);
Bytes Text(const std::string& text);

}  // namespace kestrova::testing

namespace kestrova::testing {
// Points the system's temporary directory (TMP/TEMP on Windows, TMPDIR
// elsewhere) at `directory` for the life of the object.
class ScopedTempDirectory {
 public:
  explicit ScopedTempDirectory(const std::string& directory);
  ~ScopedTempDirectory();
  ScopedTempDirectory(const ScopedTempDirectory&) = delete;
  ScopedTempDirectory& operator=(const ScopedTempDirectory&) = delete;

 private:
  std::vector<std::pair<std::string, std::string>> saved_;
};
}  // namespace kestrova::testing
