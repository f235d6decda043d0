#include "tests/testing/temp_dir.h"

#include <filesystem>
#include <fstream>

#include "common/error.h"
#include "common/os_services.h"

namespace kestrova::testing {

TempDir::TempDir() {
  std::string guid = os::NewGuidText();
  path_ =
      (std::filesystem::temp_directory_path() / ("kestrova-test-" + guid.substr(1, 8))).string();
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const {
  return path_ + os::PathSeparator() + name;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw Error("cannot write " + path);
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("cannot read " + path);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Int32(int32_t value) {
  auto v = static_cast<uint32_t>(value);
  return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
          static_cast<uint8_t>(v >> 24)};
}

Bytes Repeat(uint8_t value, size_t count) { return Bytes(count, value); }

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

}  // namespace kestrova::testing

#include <cstdlib>

namespace kestrova::testing {

namespace {
#ifdef _WIN32
const char* const kTempVariables[] = {"TMP", "TEMP"};
void SetVariable(const std::string& name, const std::string& value) {
  _putenv_s(name.c_str(), value.c_str());
}
#else
const char* const kTempVariables[] = {"TMPDIR"};
void SetVariable(const std::string& name, const std::string& value) {
  if (value.empty())
    unsetenv(name.c_str());
  else
    setenv(name.c_str(), value.c_str(), 1);
}
#endif
}  // namespace

ScopedTempDirectory::ScopedTempDirectory(const std::string& directory) {
  for (const char* name : kTempVariables) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? old : "");
    SetVariable(name, directory);
  }
}

ScopedTempDirectory::~ScopedTempDirectory() {
  for (const auto& [name, value] : saved_) SetVariable(name, value);
}

}  // namespace kestrova::testing
